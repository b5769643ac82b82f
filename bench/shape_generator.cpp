#include "shape_generator.h"

#include <cstdio>
#include <string>

namespace trellwick::bench {

const std::vector<WorstShape>& worst_shapes() {
    // Each starts with "%4 " in code, so that the SCM file takes the autoscale
    // form and every shape is written whole without a reference point.
    static const std::vector<WorstShape> shapes{
        // Every placeholder after the line's ";": each is renamed and then
        // removed from the comment.
        {"comment_placeholders", "%4 ; ", "%1 %6=%14 %4 %10 ", "\r\n"},
        // Every placeholder in the code part, used and numbered.
        {"code_placeholders", "%4 ", "%1 %2 %5 %6=%9 %10 %13 ", "\r\n"},
        // One line and no line end at all.
        {"no_line_end", "%4 ", "RotatedCall( :body 0 0 ) ", ""},
        {"one_character_lines", "%4 \r\n", "x\r\n", ""},
        {"point_list", "%4 \r\nPoints( 0\r\n", "  12.5 0 -3.25\r\n", "  )\r\n"},
        // A placeholder after every ";" of one line.
        {"semicolons", "%4 ", ";%1 ", "\r\n"},
    };
    return shapes;
}

bool write_shape(const std::filesystem::path& path, const WorstShape& shape, std::size_t bytes) {
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (!file)
        return false;
    std::string block;
    while (block.size() < (1 << 16))
        block += shape.piece;
    bool written = std::fwrite(shape.head.data(), 1, shape.head.size(), file) == shape.head.size();
    for (std::size_t size = shape.head.size(); written && size < bytes; size += block.size())
        written = std::fwrite(block.data(), 1, block.size(), file) == block.size();
    written =
        written && std::fwrite(shape.tail.data(), 1, shape.tail.size(), file) == shape.tail.size();
    return std::fclose(file) == 0 && written;
}

} // namespace trellwick::bench
