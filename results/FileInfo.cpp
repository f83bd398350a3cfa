#include "results/FileInfo.h"

#include "platform/Paths.h"
#include "search/FormatThousands.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <sys/stat.h>

namespace {

// The locale's long time format names the time zone ("t"); the panel shows the time only.
QString LongTimeFormat(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("\\s*\\(?\\bt+\\b\\)?"));
    format.remove(zone);
    return format.trimmed();
}

} // namespace

std::string FormatFileTime(std::int64_t secondsSinceEpoch, const QLocale& locale) {
    std::int64_t even = secondsSinceEpoch - (secondsSinceEpoch % 2 + 2) % 2;
    const QDateTime local = QDateTime::fromSecsSinceEpoch(even);
    QString text = locale.toString(local.date(), QLocale::ShortFormat);
    if (local.time() != QTime(0, 0))
        text += QLatin1Char(' ') + locale.toString(local.time(), LongTimeFormat(locale));
    return text.toStdString();
}

FileInfoTexts ShowFileInfo(const std::string& path) {
    return ShowFileInfo(path, QLocale::system());
}

FileInfoTexts ShowFileInfo(const std::string& path, const QLocale& locale) {
    FileInfoTexts info;
    info.Dir = platform::ParentFolder(path);
    struct stat st {};
    if (path.empty() || ::lstat(path.c_str(), &st) != 0) {
        info.Status = "Deleted";
        return info;
    }
    info.Name = platform::BaseName(path);
    info.Size =
        FormatThousands(S_ISREG(st.st_mode) ? static_cast<std::int64_t>(st.st_size) : 0) + " bytes";
    info.Date = FormatFileTime(static_cast<std::int64_t>(st.st_mtim.tv_sec), locale);
    info.Status = "Present";
    return info;
}

FileInfoTexts FolderInfoTexts(const std::string& folder) {
    return {"N/A", "N/A", folder, "N/A", "N/A"};
}
