// The 3D helpers and the solid they build: rotations, the world window, the
// two belts (all 12 faces, outward normals) and what a frame draws.
#include <gtest/gtest.h>

#include <sstream>

#include <cmath>
#include <numbers>
#include <vector>

#include "CaseTable.h"
#include "Geometry3D.h"

namespace {

constexpr float Pi = std::numbers::pi_v<float>;
constexpr float Tol = 1e-4f;

void ExpectNear(Vector3 a, Vector3 b, float tol = Tol) {
    EXPECT_NEAR(a.x, b.x, tol);
    EXPECT_NEAR(a.y, b.y, tol);
    EXPECT_NEAR(a.z, b.z, tol);
}

// "x y z" (or "x y") of a data file.
Vector3 Vec(const std::string& text) {
    Vector3 v;
    std::istringstream(text) >> v.x >> v.y >> v.z;
    return v;
}

Vector3 Centre(const DodecahedronBelt& belt, int face) {
    Vector3 c;
    for (int i = 0; i < 5; ++i) c = c + belt.vertices[4 * face + i];
    return 0.2f * c;
}

// The 12 faces of both belts by their outward normals, duplicates merged.
std::vector<Vector3> DistinctNormals(const DodecahedronBelt& a, const DodecahedronBelt& b) {
    std::vector<Vector3> normals;
    for (const DodecahedronBelt* belt : {&a, &b})
        for (Vector3 n : belt->normals) {
            bool known = false;
            for (Vector3 m : normals) known = known || Length(n - m) < 1e-3f;
            if (!known) normals.push_back(n);
        }
    return normals;
}

TEST(DodecahedronTest, DerivedQuantitiesOfEdgeSix) {
    EXPECT_NEAR(dodecahedron::FaceCircumradius(), 5.1039f, 1e-4f);
    EXPECT_NEAR(dodecahedron::FaceInradius(), 4.1291f, 1e-4f);
    EXPECT_NEAR(dodecahedron::DihedralAngle() * 180 / Pi, 116.565f, 1e-3f);
    EXPECT_NEAR(dodecahedron::SolidInradius(), 6.6811f, 1e-4f);
}

TEST(EulerRotationMatrixTest, IsARotationForAnyAngles) {
    const float cases[][3] = {{0, 0, 0}, {0.3f, -1.2f, 2.5f}, {Pi, Pi / 2, -Pi}, {10, 20, 30}, {1e-3f, 0, 6.28f}};
    for (const auto& a : cases) {
        const Matrix3 m = EulerRotationMatrix(a[0], a[1], a[2]);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                float dot = 0;
                for (int k = 0; k < 3; ++k) dot += m.m[i][k] * m.m[j][k];
                EXPECT_NEAR(dot, i == j ? 1.0f : 0.0f, 1e-5f) << a[0] << ' ' << a[1] << ' ' << a[2];
            }
        const Vector3 r0{m.m[0][0], m.m[0][1], m.m[0][2]}, r1{m.m[1][0], m.m[1][1], m.m[1][2]},
            r2{m.m[2][0], m.m[2][1], m.m[2][2]};
        EXPECT_NEAR(Dot(Cross(r0, r1), r2), 1.0f, 1e-5f) << "a reflection, not a rotation";
    }
}

TEST(RotateAboutAxisTest, Cases) {
    for (const CaseRow& row : CaseTable("splash/data/geometry.tsv", "Rotate")) {
        SCOPED_TRACE(row.where + " " + row[0]);
        const Vector3 r = RotateAboutAxis(Vec(row[1]), Vec(row[2]), Vec(row[3]), static_cast<float>(row.Number(4)));
        EXPECT_FALSE(std::isnan(r.x) || std::isnan(r.y) || std::isnan(r.z));
        ExpectNear(r, Vec(row[5]));
    }
}

TEST(WorldToPixelTest, MapsTheWindowOntoTheImage) {
    for (const CaseRow& row : CaseTable("splash/data/geometry.tsv", "Pixel")) {
        const Vector3 world = Vec(row[0]), pixel = Vec(row[1]);
        EXPECT_EQ(WorldToPixel(WorldWindow{}, {world.x, world.y}), (Pixel{int(pixel.x), int(pixel.y)})) << row.where;
    }
    WorldWindow placed;
    placed.OriginX = 151;
    placed.OriginY = 168;
    EXPECT_EQ(WorldToPixel(placed, {0, 0}), (Pixel{391, 348}));
}

TEST(BeltTest, FirstFaceLiesInThePlaneXMinusRi) {
    const DodecahedronBelt belt = BuildBelt();
    const float ri = dodecahedron::SolidInradius();
    ExpectNear(belt.vertices[0], {-6.6811f, -4.1291f, -3.0f});
    for (int i = 0; i < 5; ++i) EXPECT_NEAR(belt.vertices[i].x, -ri, Tol);
    ExpectNear(Centre(belt, 0), {-ri, 0, 0});
    ExpectNear(belt.normals[0], {-1, 0, 0});
}

TEST(BeltTest, EveryFaceIsARegularPentagonOfTheSolid) {
    const float ri = dodecahedron::SolidInradius();
    const float R = dodecahedron::FaceCircumradius();
    const DodecahedronBelt first = BuildBelt();
    const DodecahedronBelt second = TurnBelt(first, 2 * Pi / 5);
    for (const DodecahedronBelt* belt : {&first, &second})
        for (int f = 0; f < BeltFaces; ++f) {
            SCOPED_TRACE(f);
            const Vector3 c = Centre(*belt, f), n = belt->normals[f];
            EXPECT_NEAR(Length(n), 1.0f, Tol);
            ExpectNear(c, ri * n, 1e-3f);  // outward: the centre lies along the normal
            for (int i = 0; i < 5; ++i) {
                const Vector3 p = belt->vertices[4 * f + i], q = belt->vertices[4 * f + (i + 1) % 5];
                EXPECT_NEAR(Length(q - p), dodecahedron::Edge, 1e-3f);
                EXPECT_NEAR(Length(p - c), R, 1e-3f);
                EXPECT_NEAR(Dot(p - c, n), 0.0f, 1e-3f);
            }
        }
}

TEST(BeltTest, ConsecutiveFacesShareAnEdge) {
    const DodecahedronBelt belt = BuildBelt();
    for (int f = 0; f + 1 < BeltFaces; ++f) {
        SCOPED_TRACE(f);
        // The chain's shared vertex, and the next face's closing edge lying
        // on this face's last edge.
        ExpectNear(belt.vertices[4 * f + 8], belt.vertices[4 * f + 3], 1e-3f);
        EXPECT_NEAR(std::acos(Dot(belt.normals[f], belt.normals[f + 1])),
                    Pi - dodecahedron::DihedralAngle(), 1e-3f);
    }
}

TEST(BeltTest, TheTwoBeltsCoverAllTwelveFaces) {
    const DodecahedronBelt first = BuildBelt();
    EXPECT_EQ(DistinctNormals(first, first).size(), 10u);
    EXPECT_EQ(DistinctNormals(first, TurnBelt(first, 2 * Pi / 5)).size(), 12u);
}

// From every angle the frame fills exactly the faces towards the viewer, each
// once or twice, the second time (drawn later) in its second-pass colour.
TEST(VisibleFacesTest, EveryFaceTowardsTheViewerIsDrawn) {
    const DodecahedronBelt first = BuildBelt();
    const DodecahedronBelt second = TurnBelt(first, 2 * Pi / 5);
    const std::vector<Vector3> all = DistinctNormals(first, second);
    const std::array<float, 3> views[] = {{0, 0, 0}, {0.3f, 0.6f, 0.9f}, {2, -1, 0.5f}, {4, 4, 4}, {-0.7f, 2.9f, 1.3f},
                                          {11.17f, 22.34f, 33.51f}};
    for (const auto& angles : views) {
        SCOPED_TRACE(angles[0]);
        const ViewAxes view = SetupView(angles);
        const std::vector<FacePolygon> drawn = VisibleFaces(first, second, view, WorldWindow{});
        int towardsViewer = 0;
        for (Vector3 n : all) {
            if (!(Dot(n, view.w) > 1e-4f)) continue;
            ++towardsViewer;
            int lastColour = -1, times = 0;
            for (const FacePolygon& p : drawn) {
                const Vector3 pn = (p.pass == 0 ? first : second).normals[p.face];
                if (Length(pn - n) < 1e-3f) lastColour = p.colour, ++times;
            }
            EXPECT_GE(times, 1) << "a face towards the viewer left empty";
            if (times == 2) {
                bool inSecond = false;
                for (int f = 0; f < BeltFaces; ++f)
                    if (Length(second.normals[f] - n) < 1e-3f) inSecond = lastColour == SecondPassColours[f];
                EXPECT_TRUE(inSecond);
            }
        }
        // Half of the 12 faces by symmetry; looking along z two stand edge-on.
        EXPECT_EQ(towardsViewer, angles[0] == 0 ? 4 : 6);
        for (const FacePolygon& p : drawn)
            EXPECT_GT(Dot((p.pass == 0 ? first : second).normals[p.face], view.w), 0.0f) << "a back face drawn";
    }
}

TEST(DodecahedronSceneTest, FirstTickShowsTheIdentityView) {
    DodecahedronScene scene;
    const std::vector<FacePolygon> frame = scene.NextFrame(WorldWindow{});
    for (float a : scene.Angles()) EXPECT_EQ(a, 0.0f);
    const ViewAxes view = SetupView(scene.Angles());
    ExpectNear(view.u, {1, 0, 0}, 0);
    ExpectNear(view.v, {0, 1, 0}, 0);
    ExpectNear(view.w, {0, 0, 1}, 0);
    // Looking along z: the first face (normal -x) is edge-on and not drawn.
    for (const FacePolygon& p : frame) EXPECT_FALSE(p.pass == 0 && p.face == 0);
    EXPECT_FALSE(frame.empty());

    scene.NextFrame(WorldWindow{});
    const float s = DodecahedronScene::AngleStep;
    EXPECT_FLOAT_EQ(scene.Angles()[0], s);
    EXPECT_FLOAT_EQ(scene.Angles()[1], 2 * s);
    EXPECT_FLOAT_EQ(scene.Angles()[2], 3 * s);
}

}  // namespace
