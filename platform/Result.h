#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace soranika {

// Why something could not be done, in words for the user: the system's own reason where it
// gives one ("No space left on device", 「ディレクトリです」).
struct Failure {
    QString reason;
};

// What a step that can fail gives back: a T (or, for Result<>, nothing but success), or the
// Failure. It does not turn into a bool: callers ask failed(), so that none reads it the wrong
// way round, and one that drops it unread is warned of at compile time.
template <typename T = void>
class [[nodiscard]] Result {
public:
    Result(T value)
        : content_(std::move(value)) {}
    Result(Failure failure)
        : content_(std::move(failure)) {}

    bool failed() const { return std::holds_alternative<Failure>(content_); }
    // Only when failed().
    const QString& reason() const { return std::get<Failure>(content_).reason; }
    // Only when it did not fail.
    const T& value() const { return std::get<T>(content_); }
    T& value() { return std::get<T>(content_); }

private:
    std::variant<T, Failure> content_;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure)
        : failure_(std::move(failure)) {}

    bool failed() const { return failure_.has_value(); }
    // Only when failed().
    const QString& reason() const { return failure_->reason; }

private:
    std::optional<Failure> failure_;
};

} // namespace soranika
