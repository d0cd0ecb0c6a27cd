#ifndef _MODEL_NOTHING_HPP_
#define _MODEL_NOTHING_HPP_

#include "../Stream.hpp"
#include <string>

class Nothing {
public:
    Nothing();
    static Nothing readFrom(InputStream& stream);
    void writeTo(OutputStream& stream) const;
    bool operator ==(const Nothing& other) const;
};
namespace std {
    template<>
    struct hash<Nothing> {
        size_t operator ()(const Nothing& value) const;
    };
}

#endif
