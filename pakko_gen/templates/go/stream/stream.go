package stream

import (
	"bytes"
	"encoding/binary"
	"errors"
	"io"
)

// The end of the input inside a value, whether no byte or some of it came.
var ErrUnexpectedEOF = errors.New("Unexpected EOF")

func read(reader io.Reader, value interface{}) {
	err := binary.Read(reader, binary.LittleEndian, value)
	if err == io.EOF || err == io.ErrUnexpectedEOF {
		panic(ErrUnexpectedEOF)
	}
	if err != nil {
		panic(err)
	}
}

func ReadBool(reader io.Reader) bool {
	var value uint8
	read(reader, &value)
	if value > 1 {
		panic(errors.New("Unexpected bool value"))
	}
	return value == 1
}

func ReadInt32(reader io.Reader) int32 {
	var value int32
	read(reader, &value)
	return value
}

func ReadInt64(reader io.Reader) int64 {
	var value int64
	read(reader, &value)
	return value
}

func ReadFloat32(reader io.Reader) float32 {
	var value float32
	read(reader, &value)
	return value
}

func ReadFloat64(reader io.Reader) float64 {
	var value float64
	read(reader, &value)
	return value
}

// A count of elements or a length in bytes; a negative one is an error.
func ReadSize(reader io.Reader) int32 {
	size := ReadInt32(reader)
	if size < 0 {
		panic(errors.New("Negative length or count"))
	}
	return size
}

// The text grows as its bytes arrive, so that a length no writer sent
// allocates no more than the bytes that really follow it.
func ReadString(reader io.Reader) string {
	length := int64(ReadSize(reader))
	var data bytes.Buffer
	copied, err := io.CopyN(&data, reader, length)
	if copied != length {
		if err == nil || err == io.EOF {
			panic(ErrUnexpectedEOF)
		}
		panic(err)
	}
	return data.String()
}

func WriteBool(writer io.Writer, value bool) {
	err := binary.Write(writer, binary.LittleEndian, value)
	if err != nil {
		panic(err)
	}
}

func WriteInt32(writer io.Writer, value int32) {
	err := binary.Write(writer, binary.LittleEndian, value)
	if err != nil {
		panic(err)
	}
}

func WriteInt64(writer io.Writer, value int64) {
	err := binary.Write(writer, binary.LittleEndian, value)
	if err != nil {
		panic(err)
	}
}

func WriteFloat32(writer io.Writer, value float32) {
	err := binary.Write(writer, binary.LittleEndian, value)
	if err != nil {
		panic(err)
	}
}

func WriteFloat64(writer io.Writer, value float64) {
	err := binary.Write(writer, binary.LittleEndian, value)
	if err != nil {
		panic(err)
	}
}

func WriteString(writer io.Writer, value string) {
	data := []byte(value)
	WriteInt32(writer, int32(len(data)))
	_, err := writer.Write(data)
	if err != nil {
		panic(err)
	}
}