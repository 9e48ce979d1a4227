#include "ui/dialogs/DialogButtons.h"

#include "core/notify/Names.h"

namespace eboard {

TextButton::TextButton(QWidget* parent)
    : TwoStateButton(parent) {}

QString TextButton::negativeFace() const {
    return QString();
}

QString TextButton::affirmativeFace() const {
    return QString();
}

StartNormalCalibrateButton::StartNormalCalibrateButton(QWidget* parent)
    : TwoStateButton(parent) {}

QString StartNormalCalibrateButton::negativeFace() const {
    return QStringLiteral("CP_1-btn-no.png");
}

QString StartNormalCalibrateButton::affirmativeFace() const {
    return QStringLiteral("CP_1-btn-yes.png");
}

AbortMessageButton::AbortMessageButton(QWidget* parent)
    : TwoStateButton(parent) {}

QString AbortMessageButton::negativeFace() const {
    return QStringLiteral("CP_1-btn-no.png");
}

QString AbortMessageButton::affirmativeFace() const {
    return QStringLiteral("CP_1-btn-yes.png");
}

PoorEndNormalCalBtn::PoorEndNormalCalBtn(QWidget* parent)
    : TwoStateButton(parent) {}

QString PoorEndNormalCalBtn::negativeFace() const {
    return QStringLiteral("CP_4.2-btn-fc.png");
}

QString PoorEndNormalCalBtn::affirmativeFace() const {
    return QStringLiteral("CP_4.2-btn-sd.png");
}

StartDiagnosisButton::StartDiagnosisButton(QWidget* parent)
    : TwoStateButton(parent) {}

QString StartDiagnosisButton::negativeFace() const {
    return QStringLiteral("SCPD_1-btn-c.png");
}

QString StartDiagnosisButton::affirmativeFace() const {
    return QStringLiteral("SCPD_1-btn-s.png");
}

CalibrateExcellentButton::CalibrateExcellentButton(QWidget* parent)
    : TwoStateButton(parent) {}

QString CalibrateExcellentButton::negativeFace() const {
    return QString();
}

QString CalibrateExcellentButton::affirmativeFace() const {
    return QString();
}

CheckCamPositionButton::CheckCamPositionButton(QWidget* parent)
    : TwoStateButton(parent) {}

QString CheckCamPositionButton::negativeFace() const {
    return QString();
}

QString CheckCamPositionButton::affirmativeFace() const {
    return QString();
}

EndNormalCalibrateButton::EndNormalCalibrateButton(QWidget* parent)
    : SinglePurposeButton(QStringLiteral("CP_4.1-btn-ok.png"),
                          QString::fromLatin1(names::kNormalCalibrateDone), parent) {}

DeviceDoNotConnectButton::DeviceDoNotConnectButton(QWidget* parent)
    : SinglePurposeButton(QStringLiteral("CP_4.1-btn-ok.png"),
                          QString::fromLatin1(names::kDeviceNotConnectDone), parent) {}

CalibrateNotSavedButton::CalibrateNotSavedButton(QWidget* parent)
    : SinglePurposeButton(QStringLiteral("CP_4.1-btn-ok.png"),
                          QString::fromLatin1(names::kCalibrateNotSavedDone), parent) {}

} // namespace eboard
