package model

import util.StreamUtil

class Nothing {
    constructor() {}
    companion object {
        @Throws(java.io.IOException::class)
        fun readFrom(stream: java.io.InputStream): Nothing {
            val result = Nothing()
            return result
        }
    }
    @Throws(java.io.IOException::class)
    fun writeTo(stream: java.io.OutputStream) {
    }
}
