module Single
    ONLY = 0
end
