#include "macro_generator.h"

#include <cstdio>
#include <random>

namespace trellwick::bench {
namespace {

class ObjectWriter {
public:
    explicit ObjectWriter(const MacroShape& shape) : shape_(shape), random_(shape.seed) {}

    // One object of the macro: a header, a point list and its drawing calls.
    void append_object(std::string& out) {
        const int n = object_++;
        line(out, "; object " + std::to_string(n) + ": hangar wall, see %3 below");
        line(out, "Area( 5 %1 %2 " + std::to_string(10 + n % 40) + " )");
        if (shape_.user_scale)
            line(out, "RefPoint( 7 :" + std::to_string(n) + " %4 %1 %2 )");
        else
            line(out, "RefPoint( 7 :" + std::to_string(n) + " 0.5 %1 %2 )");
        line(out, "RotatedCall( :body" + std::to_string(n) + " %5 0 0 )");
        line(out, "IfVarRange( :skip" + std::to_string(n) + " %10 %11 %12 )");
        line(out, "Points( " + std::to_string(n % 8));
        const int points = 4 + static_cast<int>(random_() % 9);
        for (int p = 0; p < points; ++p) {
            std::string point = "  " + coordinate() + " " + coordinate() + " " + coordinate();
            if (p + 1 == points)
                point += " )";
            line(out, point);
            if (p == 1)
                line(out, "  ; the eaves");
        }
        line(out, "SetColor( %6 )");
        line(out, "Brightness( %7= 3 ) ; the roof takes %8 ");
        line(out, "Roof( %8 0 1 2 3 )");
        line(out, "Door( %9 1 ) ; %9=2 in older macros");
        line(out, "ShadedPoly( %13 %14 0 1 2 3 )");
        line(out, "");
        line(out, ":skip" + std::to_string(n));
    }

private:
    static void line(std::string& out, const std::string& text) {
        out += text;
        out += "\r\n";
    }

    // A coordinate as macros write them: whole or with one or two decimals.
    std::string coordinate() {
        const int whole = static_cast<int>(random_() % 400) - 200;
        switch (random_() % 3) {
        case 0:
            return std::to_string(whole);
        case 1:
            return std::to_string(whole) + "." + std::to_string(random_() % 10);
        default:
            return std::to_string(whole) + "." + std::to_string(10 + random_() % 90);
        }
    }

    MacroShape shape_;
    std::minstd_rand random_;
    int object_ = 0;
};

} // namespace

bool write_macro(const std::filesystem::path& path, const MacroShape& shape) {
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (!file)
        return false;
    bool written = std::fputs("; Generated macro\r\n", file) >= 0;
    std::size_t size = 19;
    ObjectWriter objects(shape);
    std::string piece;
    while (written && size < shape.bytes) {
        piece.clear();
        while (piece.size() < (1 << 16) && size + piece.size() < shape.bytes)
            objects.append_object(piece);
        written = std::fwrite(piece.data(), 1, piece.size(), file) == piece.size();
        size += piece.size();
    }
    written = written && std::fputs("Return\r\n", file) >= 0;
    return std::fclose(file) == 0 && written;
}

} // namespace trellwick::bench
