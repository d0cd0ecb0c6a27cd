// Reads one message of the named root with the generated model and writes it
// back: round_trip ROOT INPUT OUTPUT. Failures go to standard error, status 1.
package main

import (
	"bytes"
	"fmt"
	"os"

	. "velmora/model"
)

func main() {
	defer func() {
		if failure := recover(); failure != nil {
			fmt.Fprintln(os.Stderr, failure)
			os.Exit(1)
		}
	}()
	if len(os.Args) != 4 {
		fmt.Fprintln(os.Stderr, "usage: round_trip ROOT INPUT OUTPUT")
		os.Exit(2)
	}
	input, err := os.ReadFile(os.Args[2])
	if err != nil {
		panic(err)
	}
	reader := bytes.NewReader(input)
	var output bytes.Buffer
	switch os.Args[1] {
	case "ServerMessage":
		ReadServerMessage(reader).Write(&output)
	case "ClientMessage":
		ReadClientMessage(reader).Write(&output)
	case "DebugState":
		ReadDebugState(reader).Write(&output)
	default:
		panic("Unknown root " + os.Args[1])
	}
	if reader.Len() != 0 {
		panic("Bytes left after the message")
	}
	if err := os.WriteFile(os.Args[3], output.Bytes(), 0644); err != nil {
		panic(err)
	}
}
