#pragma once
// One window class as the bench drives it: open it as the workflow would, then hand it
// what the command line gave, through whichever operation the class has.

#include <QString>
#include <QWidget>
#include <array>
#include <concepts>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace eboard::bench {

struct HandOver {
    std::optional<std::array<std::int32_t, 3>> errorType; // area, edge, edge kind
    std::optional<std::int32_t> abortType;
    std::optional<QString> yes;
    std::optional<QString> no;
    std::optional<QString> failure; // why a calibration could not be stored
};

class BenchWindow {
public:
    virtual ~BenchWindow() = default;
    virtual void showWindow() = 0;
    virtual void handOver(const HandOver& given) = 0;
    // The top-level window, once shown.
    virtual QWidget* window() const = 0;
};

template <typename Controller> class ControllerBench final : public BenchWindow {
public:
    void showWindow() override { controller_.showWindow(); }
    QWidget* window() const override { return controller_.window(); }

    void handOver(const HandOver& given) override {
        const bool names = given.yes.has_value() || given.no.has_value();
        if constexpr (requires(Controller c) {
                          c.setErrorType(0, 0, 0, std::optional<QString>(),
                                         std::optional<QString>());
                      }) {
            if (given.errorType || names) {
                const auto e = given.errorType.value_or(std::array<std::int32_t, 3>{0, 0, 0});
                controller_.setErrorType(e[0], e[1], e[2], given.yes, given.no);
            }
        } else if constexpr (requires(Controller c) { c.setDlgInfo(0, QString(), QString()); }) {
            if (given.abortType || names) {
                controller_.setDlgInfo(given.abortType.value_or(0), nameOrBlank(given.yes),
                                       nameOrBlank(given.no));
            }
        } else if constexpr (requires(Controller c) { c.setFailure(QString()); }) {
            if (given.failure) {
                controller_.setFailure(*given.failure);
            }
        } else if constexpr (requires(Controller c) { c.setDlgInfo(QString(), QString()); }) {
            if (names) {
                controller_.setDlgInfo(nameOrBlank(given.yes), nameOrBlank(given.no));
            }
        }
    }

private:
    // A name not given posts nothing, as before any hand-over.
    static QString nameOrBlank(const std::optional<QString>& name) {
        return name.value_or(QStringLiteral(" "));
    }

    Controller controller_;
};

struct WindowClass {
    std::string name;
    std::function<std::unique_ptr<BenchWindow>()> create;
};

template <typename Controller> WindowClass windowClass(std::string name) {
    return {std::move(name), [] { return std::make_unique<ControllerBench<Controller>>(); }};
}

// Every class the bench can open: one line each in WindowClasses.cpp.
const std::vector<WindowClass>& windowClasses();

} // namespace eboard::bench
