#include "Geometry3D.h"

#include <algorithm>
#include <cmath>
#include <numbers>

Vector3 operator+(Vector3 a, Vector3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vector3 operator-(Vector3 a, Vector3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vector3 operator*(float s, Vector3 a) { return {s * a.x, s * a.y, s * a.z}; }
float Dot(Vector3 a, Vector3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vector3 Cross(Vector3 a, Vector3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
float Length(Vector3 a) { return std::sqrt(Dot(a, a)); }
Vector3 Unit(Vector3 a) {
    const float n = Length(a);
    return n > 0 ? (1 / n) * a : a;
}

Vector3 operator*(const Matrix3& m, Vector3 p) {
    return {m.m[0][0] * p.x + m.m[0][1] * p.y + m.m[0][2] * p.z,
            m.m[1][0] * p.x + m.m[1][1] * p.y + m.m[1][2] * p.z,
            m.m[2][0] * p.x + m.m[2][1] * p.y + m.m[2][2] * p.z};
}

Matrix3 EulerRotationMatrix(float a1, float a2, float a3) {
    const float c1 = std::cos(a1), s1 = std::sin(a1);
    const float c2 = std::cos(a2), s2 = std::sin(a2);
    const float c3 = std::cos(a3), s3 = std::sin(a3);
    Matrix3 r;
    r.m[0][0] = c2 * c3 * c1 - s3 * s1;
    r.m[0][1] = c2 * s3 * c1 + c3 * s1;
    r.m[0][2] = -s2 * c1;
    r.m[1][0] = -c2 * c3 * s1 - s3 * c1;
    r.m[1][1] = -c2 * s3 * s1 + c3 * c1;
    r.m[1][2] = s2 * s1;
    r.m[2][0] = s2 * c3;
    r.m[2][1] = s2 * s3;
    r.m[2][2] = c2;
    return r;
}

Vector3 RotateAboutAxis(Vector3 dir, Vector3 origin, Vector3 p, float angle) {
    const Vector3 d = p - origin;
    const Vector3 normal = Cross(dir, d);
    // On the axis (or no axis at all): the rotation leaves P where it is. The
    // relative test keeps rounding noise from choosing a random direction.
    if (Length(normal) <= 1e-6f * Length(dir) * Length(d) || Length(dir) == 0) return p;
    const Vector3 n = Unit(normal);
    const Vector3 t = Unit(Cross(n, Unit(dir)));
    const float along = Dot(d, t);
    const Vector3 foot = p - along * t;
    const float rho = std::fabs(along);
    return foot + rho * (std::cos(angle) * t + std::sin(angle) * n);
}

ViewAxes SetupView(const std::array<float, 3>& angles) {
    const Matrix3 m = EulerRotationMatrix(angles[2], angles[1], angles[0]);
    return {m * Vector3{1, 0, 0}, m * Vector3{0, 1, 0}, m * Vector3{0, 0, 1}};
}

Point2 Project(const ViewAxes& view, Vector3 p) { return {Dot(p, view.u), Dot(p, view.v)}; }

namespace {

int ClampedRound(double value) {
    return static_cast<int>(std::lround(std::clamp(value, -32768.0, 32767.0)));
}

constexpr float Degrees(float d) { return d * std::numbers::pi_v<float> / 180; }

}  // namespace

Pixel WorldToPixel(const WorldWindow& w, Point2 p) {
    const double sx = w.Width / static_cast<double>(w.Right - w.Left);
    const double sy = w.Height / static_cast<double>(w.Top - w.Bottom);
    return {w.OriginX + ClampedRound((p.X - w.Left) * sx), w.OriginY + w.Height - ClampedRound((p.Y - w.Bottom) * sy)};
}

namespace dodecahedron {
float FaceCircumradius() { return Edge / (2 * std::sin(Degrees(36))); }
float FaceInradius() { return std::tan(Degrees(54)) * Edge / 2; }
float DihedralAngle() { return 2 * std::asin(std::cos(Degrees(60)) / std::sin(Degrees(36))); }
float SolidInradius() { return std::tan(DihedralAngle() / 2) * FaceInradius(); }
}  // namespace dodecahedron

DodecahedronBelt BuildBelt() {
    using namespace dodecahedron;
    const float R = FaceCircumradius(), ri = SolidInradius(), d = DihedralAngle();
    const float turn = Degrees(72);
    DodecahedronBelt belt;
    // The walk turns right-handed about the face axis; the faces of the
    // zigzag are walked alternately counter-clockwise and clockwise seen from
    // outside, so the axis is the outward normal on even faces and its
    // opposite on odd ones.
    Vector3 axis{-1, 0, 0};
    Vector3 edge{0, 0, Edge};  // the next edge to walk
    int at = 0;
    belt.vertices[0] = {-ri, -R * std::sin(Degrees(54)), -R * std::cos(Degrees(54))};
    for (int face = 0; face < BeltFaces; ++face) {
        belt.normals[face] = face % 2 == 0 ? axis : -1.0f * axis;
        Vector3 lastEdge;
        for (int step = 0; step < 4; ++step) {
            const Vector3 from = belt.vertices[at];
            belt.vertices[at + 1] = from + edge;
            lastEdge = edge;
            // Walk on past the new vertex, then turn by 72° about the line
            // through it parallel to the axis.
            const Vector3 to = belt.vertices[at + 1];
            edge = RotateAboutAxis(axis, to, to + edge, turn) - to;
            ++at;
        }
        // The next face shares the last edge: fold its axis about that edge
        // by the dihedral angle, up and down in turn. Its closing edge runs
        // along the shared edge, so its first edge follows one turn later.
        const float fold = face % 2 == 0 ? -d : d;
        axis = Unit(RotateAboutAxis(lastEdge, Vector3{}, axis, fold));
        edge = RotateAboutAxis(axis, Vector3{}, lastEdge, turn);
    }
    return belt;
}

DodecahedronBelt TurnBelt(const DodecahedronBelt& belt, float angle) {
    const Vector3 axis{-dodecahedron::SolidInradius(), 0, 0};
    DodecahedronBelt turned;
    for (int i = 0; i < BeltVertices; ++i) turned.vertices[i] = RotateAboutAxis(axis, Vector3{}, belt.vertices[i], angle);
    for (int i = 0; i < BeltFaces; ++i) turned.normals[i] = RotateAboutAxis(axis, Vector3{}, belt.normals[i], angle);
    return turned;
}

const std::array<Rgb, 16> Palette = {{
    {0, 0, 0},       {0, 0, 255},     {0, 128, 0},     {255, 255, 0},  {255, 0, 0},     {0, 255, 255},
    {0, 255, 0},     {128, 0, 0},     {128, 0, 128},   {0, 0, 128},    {128, 128, 0},   {0, 128, 128},
    {255, 0, 255},   {128, 128, 128}, {192, 192, 192}, {255, 255, 255},
}};
const std::array<int, BeltFaces> FirstPassColours = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
const std::array<int, BeltFaces> SecondPassColours = {11, 12, 13, 14, 15, 0, 1, 2, 3, 10};

std::vector<FacePolygon> VisibleFaces(const DodecahedronBelt& first, const DodecahedronBelt& second,
                                      const ViewAxes& view, const WorldWindow& window) {
    std::vector<FacePolygon> faces;
    faces.reserve(2 * BeltFaces);
    const DodecahedronBelt* belts[2] = {&first, &second};
    for (int pass = 0; pass < 2; ++pass) {
        const DodecahedronBelt& belt = *belts[pass];
        for (int face = 0; face < BeltFaces; ++face) {
            if (!(Dot(belt.normals[face], view.w) > 0)) continue;  // turned away or edge-on
            FacePolygon polygon;
            for (int i = 0; i < 5; ++i)
                polygon.points[i] = WorldToPixel(window, Project(view, belt.vertices[4 * face + i]));
            polygon.colour = (pass == 0 ? FirstPassColours : SecondPassColours)[face];
            polygon.pass = pass;
            polygon.face = face;
            faces.push_back(polygon);
        }
    }
    return faces;
}

DodecahedronScene::DodecahedronScene()
    : increments_{AngleStep, 2 * AngleStep, 3 * AngleStep},
      first_(BuildBelt()),
      second_(TurnBelt(first_, Degrees(72))) {
    for (int i = 0; i < 3; ++i) angles_[i] = -increments_[i];
}

std::vector<FacePolygon> DodecahedronScene::NextFrame(const WorldWindow& window) {
    for (int i = 0; i < 3; ++i) angles_[i] += increments_[i];
    return VisibleFaces(first_, second_, SetupView(angles_), window);
}
