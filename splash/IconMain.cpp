// kvadrix-icon FILE: writes the program's icon, the coloured dodecahedron of
// the splash window seen from a fixed angle, as a 256 x 256 SVG file.
#include <cstdio>
#include <fstream>

#include "Geometry3D.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Brug: kvadrix-icon FIL.svg\n");
        return 2;
    }
    // The solid is about 2 * 8.5 units across; a square window of 20 units
    // leaves a margin.
    WorldWindow window{-10, 10, -10, 10, 0, 0, 256, 256};
    const ViewAxes view = SetupView({0.35f, 0.7f, 1.05f});
    const DodecahedronBelt first = BuildBelt();
    const DodecahedronBelt second = TurnBelt(first, 72 * 3.14159265f / 180);

    std::ofstream out(argv[1], std::ios::binary);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n";
    for (const FacePolygon& face : VisibleFaces(first, second, view, window)) {
        const Rgb c = Palette[face.colour];
        char colour[8];
        std::snprintf(colour, sizeof colour, "#%02x%02x%02x", c.r, c.g, c.b);
        out << "  <polygon fill=\"" << colour << "\" stroke=\"" << colour << "\" stroke-linejoin=\"round\" points=\"";
        for (int i = 0; i < 5; ++i) out << (i ? " " : "") << face.points[i].x << ',' << face.points[i].y;
        out << "\"/>\n";
    }
    out << "</svg>\n";
    out.close();
    if (!out) {
        std::fprintf(stderr, "Kan ikke skrive %s\n", argv[1]);
        return 1;
    }
    return 0;
}
