#pragma once
// Toolkit-free 3D helpers of the splash window: vectors, the Euler rotation
// matrix, rotation about an axis, the orthographic view, the mapping of the
// world window onto image pixels, and the turning dodecahedron reduced to the
// filled polygons of one frame. Single precision throughout.
#include <array>
#include <cstdint>
#include <vector>

struct Vector3 {
    float x = 0, y = 0, z = 0;
};

Vector3 operator+(Vector3 a, Vector3 b);
Vector3 operator-(Vector3 a, Vector3 b);
Vector3 operator*(float s, Vector3 a);
float Dot(Vector3 a, Vector3 b);
Vector3 Cross(Vector3 a, Vector3 b);
float Length(Vector3 a);
// a / |a|; the zero vector stays zero.
Vector3 Unit(Vector3 a);

// Row-major 3 x 3 matrix.
struct Matrix3 {
    float m[3][3] = {};
};
Vector3 operator*(const Matrix3& m, Vector3 p);

// The rotation matrix of the three angles a1, a2, a3 (radians).
Matrix3 EulerRotationMatrix(float a1, float a2, float a3);

// P rotated by Angle (right-handed about Dir) about the line through Origin
// with direction Dir. A point on the axis, or a zero Dir, gives P unchanged.
Vector3 RotateAboutAxis(Vector3 dir, Vector3 origin, Vector3 p, float angle);

// Orthographic view: u and v span the picture, w points towards the viewer.
struct ViewAxes {
    Vector3 u{1, 0, 0}, v{0, 1, 0}, w{0, 0, 1};
};
// The view of the splash's three angles: EulerRotationMatrix(angle3, angle2,
// angle1) applied to the unit axes.
ViewAxes SetupView(const std::array<float, 3>& angles);

struct Point2 {
    float X = 0, Y = 0;
};
Point2 Project(const ViewAxes& view, Vector3 p);

struct Pixel {
    int x = 0, y = 0;
    bool operator==(const Pixel&) const = default;
};

// A world window (x from Left to Right, y from Bottom to Top, y upwards)
// mapped onto an image area of Width x Height pixels at (OriginX, OriginY).
struct WorldWindow {
    float Left = -16, Right = 16, Bottom = -12, Top = 12;
    int OriginX = 0, OriginY = 0, Width = 480, Height = 360;
};
// Nearest pixel; the scaled coordinates are clamped to -32768..32767 first,
// so points far outside the window stay far outside without overflow.
Pixel WorldToPixel(const WorldWindow& window, Point2 p);

// A regular dodecahedron with edge 6 about the origin, as a belt of 10 faces
// in a chain of 41 vertices: face k has the vertices 4k .. 4k+4 (0-based).
constexpr int BeltFaces = 10;
constexpr int BeltVertices = 4 * BeltFaces + 1;
struct DodecahedronBelt {
    std::array<Vector3, BeltVertices> vertices;
    std::array<Vector3, BeltFaces> normals;  // outward, unit length
};

namespace dodecahedron {
constexpr float Edge = 6.0f;
float FaceCircumradius();  // R = a / (2 sin 36°)
float FaceInradius();      // r = tan 54° * a / 2
float DihedralAngle();     // d = 2 arcsin(cos 60° / sin 36°)
float SolidInradius();     // ri = tan(d / 2) * r
}  // namespace dodecahedron

// The first belt: its first face lies in the plane x = -ri, centred on the x
// axis, first vertex (-ri, -R sin 54°, -R cos 54°); each next face is hinged
// on the previous face's last edge, alternately folding up and down.
DodecahedronBelt BuildBelt();
// The belt turned by Angle about the axis through the origin and the first
// face's centre; at 72° it covers the two faces the first belt leaves out.
DodecahedronBelt TurnBelt(const DodecahedronBelt& belt, float angle);

struct Rgb {
    std::uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};
extern const std::array<Rgb, 16> Palette;
// Palette indices of the faces in the first and the second pass.
extern const std::array<int, BeltFaces> FirstPassColours;
extern const std::array<int, BeltFaces> SecondPassColours;

// One filled face of a frame, in image pixels, drawn in list order.
struct FacePolygon {
    std::array<Pixel, 5> points;
    int colour = 0;  // palette index
    int pass = 0;    // 0 or 1
    int face = 0;    // 0 .. 9 within its belt
};

// The turning solid: the angles grow by (s, 2s, 3s) each tick, s = 0.625°,
// starting so that the first tick shows the identity view.
class DodecahedronScene {
public:
    static constexpr float AngleStep = 0.0109083f;

    DodecahedronScene();
    // Advances the angles by one tick and returns the faces that face the
    // viewer, first pass then second pass, mapped through the window.
    std::vector<FacePolygon> NextFrame(const WorldWindow& window);
    const std::array<float, 3>& Angles() const { return angles_; }

private:
    std::array<float, 3> angles_{};
    std::array<float, 3> increments_{};
    DodecahedronBelt first_, second_;
};

// The faces of both belts that face a viewer along w, with their colours.
std::vector<FacePolygon> VisibleFaces(const DodecahedronBelt& first, const DodecahedronBelt& second,
                                      const ViewAxes& view, const WorldWindow& window);
