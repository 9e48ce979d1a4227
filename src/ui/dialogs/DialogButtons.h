#pragma once
// The dialogs' buttons by the names their layouts give them: each is its kind in the
// faces table (core/layout/Pictures.h), which says what it shows.

#include "core/layout/Pictures.h"
#include "core/notify/Names.h"
#include "ui/common/TwoStateButton.h"

namespace eboard {

template <layout::ButtonKind Kind> class KindButton : public TwoStateButton {
public:
    explicit KindButton(QWidget* parent = nullptr)
        : TwoStateButton(Kind, parent) {}
};

template <layout::ButtonKind Kind, const std::string_view& Name>
class KindOkButton : public SinglePurposeButton {
public:
    explicit KindOkButton(QWidget* parent = nullptr)
        : SinglePurposeButton(Kind, Name, parent) {}
};

using TextButton = KindButton<layout::ButtonKind::Text>;
using StartNormalCalibrateButton = KindButton<layout::ButtonKind::StartNormalCalibrate>;
using AbortMessageButton = KindButton<layout::ButtonKind::AbortMessage>;
using PoorEndNormalCalBtn = KindButton<layout::ButtonKind::PoorEndNormalCal>;
using StartDiagnosisButton = KindButton<layout::ButtonKind::StartDiagnosis>;
using CalibrateExcellentButton = KindButton<layout::ButtonKind::CalibrateExcellent>;
using CheckCamPositionButton = KindButton<layout::ButtonKind::CheckCamPosition>;
using EndNormalCalibrateButton =
    KindOkButton<layout::ButtonKind::EndNormalCalibrate, names::kNormalCalibrateDone>;
using DeviceDoNotConnectButton =
    KindOkButton<layout::ButtonKind::DeviceDoNotConnect, names::kDeviceNotConnectDone>;
using CalibrateNotSavedButton =
    KindOkButton<layout::ButtonKind::CalibrateNotSaved, names::kCalibrateNotSavedDone>;

} // namespace eboard
