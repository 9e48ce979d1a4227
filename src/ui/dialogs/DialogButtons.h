#pragma once

#include "ui/dialogs/TwoStateButton.h"

namespace eboard {

// Invisible: the result screen's click areas over its picture.
class TextButton : public TwoStateButton {
    Q_OBJECT
public:
    explicit TextButton(QWidget* parent = nullptr);

protected:
    QString negativeFace() const override;
    QString affirmativeFace() const override;
};

// The start dialog's No and Yes.
class StartNormalCalibrateButton : public TwoStateButton {
    Q_OBJECT
public:
    explicit StartNormalCalibrateButton(QWidget* parent = nullptr);

protected:
    QString negativeFace() const override;
    QString affirmativeFace() const override;
};

// The stop-confirmation dialog's No and Yes.
class AbortMessageButton : public TwoStateButton {
    Q_OBJECT
public:
    explicit AbortMessageButton(QWidget* parent = nullptr);

protected:
    QString negativeFace() const override;
    QString affirmativeFace() const override;
};

// The poor end dialog's finish and start-diagnosis.
class PoorEndNormalCalBtn : public TwoStateButton {
    Q_OBJECT
public:
    explicit PoorEndNormalCalBtn(QWidget* parent = nullptr);

protected:
    QString negativeFace() const override;
    QString affirmativeFace() const override;
};

// The diagnosis start dialog's cancel and start.
class StartDiagnosisButton : public TwoStateButton {
    Q_OBJECT
public:
    explicit StartDiagnosisButton(QWidget* parent = nullptr);

protected:
    QString negativeFace() const override;
    QString affirmativeFace() const override;
};

// Invisible: the excellent dialog's click areas over its picture.
class CalibrateExcellentButton : public TwoStateButton {
    Q_OBJECT
public:
    explicit CalibrateExcellentButton(QWidget* parent = nullptr);

protected:
    QString negativeFace() const override;
    QString affirmativeFace() const override;
};

// Invisible: the camera-position dialog's click areas over its picture.
class CheckCamPositionButton : public TwoStateButton {
    Q_OBJECT
public:
    explicit CheckCamPositionButton(QWidget* parent = nullptr);

protected:
    QString negativeFace() const override;
    QString affirmativeFace() const override;
};

// The normal end dialog's OK: posts "NormalCalibrateDone".
class EndNormalCalibrateButton : public SinglePurposeButton {
    Q_OBJECT
public:
    explicit EndNormalCalibrateButton(QWidget* parent = nullptr);
};

// The device-not-connected dialog's OK: posts "DeviceNotConnectDone".
class DeviceDoNotConnectButton : public SinglePurposeButton {
    Q_OBJECT
public:
    explicit DeviceDoNotConnectButton(QWidget* parent = nullptr);
};

// The not-saved dialog's OK: posts "CalibrateNotSavedDone".
class CalibrateNotSavedButton : public SinglePurposeButton {
    Q_OBJECT
public:
    explicit CalibrateNotSavedButton(QWidget* parent = nullptr);
};

} // namespace eboard
