#include "Nothing.hpp"

Nothing::Nothing() { }
Nothing Nothing::readFrom(InputStream& stream) {
    Nothing result;
    return result;
}
void Nothing::writeTo(OutputStream& stream) const {
}
bool Nothing::operator ==(const Nothing& other) const {
    return true;
}
size_t std::hash<Nothing>::operator ()(const Nothing& value) const {
    size_t result = 0;
    return result;
}
