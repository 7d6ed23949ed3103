#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>
#include <vector>

namespace orvane {

inline constexpr int MaxBacklash = 10000; // half-steps
inline constexpr double MaxSurfacePower = 100;
inline constexpr double MaxSurfaceNanometres = 1e6;

// One term of a radial height error: nanometres * f^power, f the fraction of the semi-diameter.
struct SurfaceTerm {
    double power = 0;
    double nanometres = 0;
};

enum class KnifeSide {
    Right, // the blade covers everything right of its edge
    Left   // the blade covers everything left of its edge
};

// The simulated camera's frame sides, in pixels.
inline constexpr int MinFrameSide = 16;
inline constexpr int MaxFrameSide = 4096;

// How the simulated rig is built, read from a bench file. Lengths are in inches; the defaults
// are a 6 inch f/4 paraboloid on a moving-source tester. Positions along the axis are measured
// from the paraxial centre of curvature, positive away from the mirror.
struct BenchConfig {
    struct Mirror {
        double diameter = 6;
        double roc = 48;
        double conic = -1;
        double conicDrift = 0; // change of the conic per minute of the bench's clock
        std::vector<SurfaceTerm> surfaceError; // positive raises the surface towards the tester
    };
    struct Source {
        bool fixed = false;       // true: stays at the paraxial centre; false: rides the platform
        double slitWidth = 0.004; // width of the source image at the knife
    };
    struct Start {
        double knifeOffset = 0.01; // edge at Xpos 0, from the axis, positive to the right
        double platformOffset = 0; // knife plane at Ypos 0
    };
    struct Motors {
        double tfStep = 0.000125; // inches per half-step
        double lrStep = 0.000125;
        bool invert = false; // how the rig is wired
        bool swap = false;
        bool reverseLr = false;
        bool reverseTf = false;
        int backlash = 0; // half-steps of slack on a reversal
    };
    struct Camera {
        int width = 320; // the frame, pixels
        int height = 240;
        double centerX = 160; // the mirror's image on the frame, in its pixels
        double centerY = 120;
        double radius = 100;
        double gain = 220; // grey levels
        double background = 8;
        double noise = 2; // Gaussian sigma
        quint64 seed = 1;
        double driftX = 0; // pixels per frame
        double driftY = 0;
        double fps = 30; // pacing when asked for; 0 = unpaced
    };

    Mirror mirror;
    Source source;
    KnifeSide knifeSide = KnifeSide::Right;
    Start start;
    Motors motors;
    Camera camera;
};

// Reads a bench file (INI). Missing keys keep their defaults; a missing or broken file, an
// unknown key or a value outside the key's range gives nothing and a message naming the file,
// the line, the key and the value.
std::optional<BenchConfig> loadBenchConfig(const QString& path, QString* error);

// "p:nm, p:nm, ..." (blank for none); nothing when the text is not such a list.
std::optional<std::vector<SurfaceTerm>> parseSurfaceError(QStringView text);

// What makes a configuration unusable (a conic that has no surface at the mirror's edge), or
// an empty text.
QString benchConfigProblem(const BenchConfig& config);

} // namespace orvane
