# Hex text of binary layout properties, for the layout generators run in script mode (cmake -P).

# Hex digits in upper case, 64 to a line, each line indented to sit under the property.
function(hex_lines hex indent out)
    string(TOUPPER "${hex}" hex)
    string(REGEX REPLACE "(................................................................)" "\\1\n${indent}" hex "${hex}")
    string(REGEX REPLACE "\n *$" "" hex "${hex}")
    set(${out} "\n${indent}${hex}" PARENT_SCOPE)
endfunction()

# Hex of a bitmap's layout data: a 32-bit little-endian byte count, then the BMP file, in lines
# indented to sit under the property.
function(bitmap_data file indent out)
    file(READ ${file} hex HEX)
    file(SIZE ${file} size)
    math(EXPR size_hex "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${size_hex}" 2 -1 digits)
    string(LENGTH "${digits}" n)
    while(n LESS 8)
        string(PREPEND digits "0")
        string(LENGTH "${digits}" n)
    endwhile()
    string(SUBSTRING "${digits}" 6 2 b0)
    string(SUBSTRING "${digits}" 4 2 b1)
    string(SUBSTRING "${digits}" 2 2 b2)
    string(SUBSTRING "${digits}" 0 2 b3)
    hex_lines("${b0}${b1}${b2}${b3}${hex}" "${indent}" lines)
    set(${out} "${lines}" PARENT_SCOPE)
endfunction()

# Hex of a file's bytes as they are, in lines indented to sit under the property.
function(raw_data file indent out)
    file(READ ${file} hex HEX)
    hex_lines("${hex}" "${indent}" lines)
    set(${out} "${lines}" PARENT_SCOPE)
endfunction()

# The picture property adds the graphic's class name before the bitmap data.
function(picture_data file indent out)
    bitmap_data(${file} "${indent}" data)
    # Length-prefixed class name "TBitmap".
    set(${out} "\n${indent}07544269746D6170${data}" PARENT_SCOPE)
endfunction()
