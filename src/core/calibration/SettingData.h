#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace eboard {

// The four raw camera points of the last completed calibration, as eight floats.
// Slots hold the screen corners in reading order: 0 top-left, 1 top-right,
// 2 bottom-left, 3 bottom-right (slot 1 is captured at target 2, slot 2 at target 1).
class SettingData {
public:
    static constexpr std::size_t kValueCount = 8;
    static constexpr float kDefaultValue = 1.0f;
    // Archive keys, in declared field order.
    static constexpr std::array<std::string_view, kValueCount> kKeys = {
        "RawPoint0_X", "RawPoint0_Y", "RawPoint1_X", "RawPoint1_Y",
        "RawPoint2_X", "RawPoint2_Y", "RawPoint3_X", "RawPoint3_Y"};

    SettingData() { values_.fill(kDefaultValue); }
    explicit SettingData(const std::array<float, kValueCount>& values)
        : values_(values) {}

    float Raw0_X() const { return values_[0]; }
    float Raw0_Y() const { return values_[1]; }
    float Raw1_X() const { return values_[2]; }
    float Raw1_Y() const { return values_[3]; }
    float Raw2_X() const { return values_[4]; }
    float Raw2_Y() const { return values_[5]; }
    float Raw3_X() const { return values_[6]; }
    float Raw3_Y() const { return values_[7]; }

    void setRaw0_X(float v) { values_[0] = v; }
    void setRaw0_Y(float v) { values_[1] = v; }
    void setRaw1_X(float v) { values_[2] = v; }
    void setRaw1_Y(float v) { values_[3] = v; }
    void setRaw2_X(float v) { values_[4] = v; }
    void setRaw2_Y(float v) { values_[5] = v; }
    void setRaw3_X(float v) { values_[6] = v; }
    void setRaw3_Y(float v) { values_[7] = v; }

    // Field i in declared order (Raw0_X, Raw0_Y, ..., Raw3_Y), the order of kKeys.
    float value(std::size_t index) const { return values_.at(index); }
    void setValue(std::size_t index, float v) { values_.at(index) = v; }
    const std::array<float, kValueCount>& values() const { return values_; }

    friend bool operator==(const SettingData&, const SettingData&) = default;

private:
    std::array<float, kValueCount> values_{};
};

} // namespace eboard
