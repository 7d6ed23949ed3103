#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace orvane {

enum class CameraControlId {
    ExposureCompensation,
    IsoSensitivity,
    ExposureTime,
    ColorTemperature,
    FocusDistance
};

// The name a chosen value is remembered under in the hardware file.
QString cameraControlKey(CameraControlId id);

// One adjustable camera value as the source dialog shows it, in the unit its label names.
// Setting a value switches that control from automatic to manual. A control the camera lacks
// is still listed, unsupported, so the dialog can show it greyed.
struct CameraControl {
    CameraControlId id = CameraControlId::ExposureCompensation;
    QString label;
    double minimum = 0;
    double maximum = 0;
    double step = 1;
    int decimals = 0;
    double value = 0;
    bool supported = true;
};

// What the camera's format and source dialogs read and change. Without a connected camera the
// lists are empty.
class CameraSettings {
  public:
    virtual ~CameraSettings() = default;
    virtual QStringList formatNames() const = 0;
    // Position of the format in use in formatNames(), or -1 when it is none of them.
    virtual int currentFormat() const = 0;
    virtual bool applyFormat(int index) = 0;
    virtual QList<CameraControl> controls() const = 0;
    virtual void setControl(CameraControlId id, double value) = 0;
    // What the connected camera is known by from one run to the next; empty without one.
    virtual QString cameraId() const = 0;
    // The connected camera sets its own exposure, so the brightness may change under a test.
    virtual bool brightnessAutomatic() const { return false; }
};

inline const QString AutomaticBrightnessWarning =
    QStringLiteral("The camera sets its own exposure: lock it under Video Control, Source, or "
                   "the brightness may change while the knife cuts.");

} // namespace orvane
