package model

import util.StreamUtil

enum class Single private constructor(var tag: Int) {
    ONLY(0)
}
