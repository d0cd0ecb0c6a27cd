#ifndef _MODEL_SINGLE_HPP_
#define _MODEL_SINGLE_HPP_

#include "../Stream.hpp"

enum Single {
    ONLY = 0
};

#endif
