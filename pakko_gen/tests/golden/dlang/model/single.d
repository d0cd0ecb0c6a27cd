enum Single : int {
    Only = 0,
}
