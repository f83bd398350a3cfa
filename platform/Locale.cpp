#include "platform/Locale.h"

#include <QLocale>
#include <optional>

namespace platform {

namespace {
std::optional<NumberFormat>& Current() {
    static std::optional<NumberFormat> format;
    return format;
}
} // namespace

const NumberFormat& UserNumberFormat() {
    auto& format = Current();
    if (!format) {
        QLocale locale = QLocale::system();
        NumberFormat f;
        f.thousands = locale.groupSeparator().toStdString();
        f.decimal = locale.decimalPoint().toStdString();
        format = f;
    }
    return *format;
}

void SetUserNumberFormat(const NumberFormat& format) {
    Current() = format;
}

} // namespace platform
