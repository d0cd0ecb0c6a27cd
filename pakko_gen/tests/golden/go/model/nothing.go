package model

import "io"

type Nothing struct {
}
func NewNothing() Nothing {
    return Nothing {
    }
}
func ReadNothing(reader io.Reader) Nothing {
    result := Nothing {}
    return result
}
func (value Nothing) Write(writer io.Writer) {
}
