#include <AppUtils/Digits.h>

#include <array>

namespace AppUtils {

void appendPadded(QString &text, long long value, int width)
{
    std::array<char16_t, 24> digits{};
    std::size_t count = 0;
    // Through the magnitude as unsigned, which holds even the most negative value's.
    unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    do {
        digits[count++] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) {
        text += u'-';
        --width;
    }
    for (int pad = width - static_cast<int>(count); pad > 0; --pad)
        text += u'0';
    while (count > 0)
        text += QChar(digits[--count]);
}

void appendClock(QString &text, int secondsOfDay)
{
    appendPadded(text, secondsOfDay / 3600, 2);
    text += u':';
    appendPadded(text, secondsOfDay / 60 % 60, 2);
    text += u':';
    appendPadded(text, secondsOfDay % 60, 2);
}

} // namespace AppUtils
