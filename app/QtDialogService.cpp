#include "app/QtDialogService.h"

#include "platform/Paths.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

#include <filesystem>

namespace {

// The widest a message text runs before it is broken, in pixels.
constexpr int kMaxTextWidth = 560;

// Breaks every line wider than maxWidth: after a blank or a "/" where one fits, else anywhere,
// so that a long file name never pushes the buttons off the screen.
QString WrapLines(const QString& text, const QFontMetrics& metrics, int maxWidth) {
    QStringList out;
    for (QString line : text.split(QLatin1Char('\n'))) {
        while (metrics.horizontalAdvance(line) > maxWidth) {
            int fit = 1;
            while (fit < line.size() && metrics.horizontalAdvance(line.left(fit + 1)) <= maxWidth)
                ++fit;
            int cut = fit;
            for (int i = fit; i > fit / 2; --i)
                if (line[i - 1] == QLatin1Char(' ') || line[i - 1] == QLatin1Char('/')) {
                    cut = i;
                    break;
                }
            // Never split a surrogate pair.
            if (cut > 1 && cut < line.size() && line[cut - 1].isHighSurrogate())
                --cut;
            out << line.left(cut);
            line = line.mid(cut);
        }
        out << line;
    }
    return out.join(QLatin1Char('\n'));
}

// A modal message box whose buttons close it with the program's modal results. Escape (and
// closing the box) answers Cancel where offered, else No, else OK.
class MessageDialog : public QDialog {
public:
    MessageDialog(const MessageRequest& r, QWidget* owner, std::function<void(int)> showHelp)
        : QDialog(owner) {
        setWindowTitle(QString::fromStdString(r.title));
        auto* text = new QLabel;
        text->setTextFormat(Qt::PlainText);
        text->setText(
            WrapLines(QtDialogService::DisplayText(r.text), text->fontMetrics(), kMaxTextWidth));
        text->setObjectName(QStringLiteral("MessageText"));
        auto* row = new QHBoxLayout;
        const QStyle::StandardPixmap icons[] = {
            QStyle::SP_CustomBase, QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxWarning,
            QStyle::SP_MessageBoxCritical, QStyle::SP_MessageBoxQuestion};
        const auto icon = icons[static_cast<int>(r.type)];
        if (icon != QStyle::SP_CustomBase) {
            auto* picture = new QLabel;
            picture->setPixmap(style()->standardIcon(icon).pixmap(32, 32));
            picture->setAlignment(Qt::AlignTop);
            row->addWidget(picture);
        }
        row->addWidget(text, 1);
        auto* box = new QDialogButtonBox;
        auto add = [&](const QString& caption, int result) {
            auto* b = box->addButton(caption, QDialogButtonBox::ActionRole);
            connect(b, &QPushButton::clicked, this, [this, result] { done(result); });
            return b;
        };
        QPushButton* enter = nullptr;
        switch (r.buttons) {
        case MsgButtons::Ok:
        case MsgButtons::OkHelp:
            enter = add(QStringLiteral("OK"), mrOk);
            escape_ = mrOk;
            break;
        case MsgButtons::OkCancel:
            enter = add(QStringLiteral("OK"), mrOk);
            add(QStringLiteral("Cancel"), mrCancel);
            escape_ = mrCancel;
            break;
        case MsgButtons::YesNo:
            enter = add(QStringLiteral("&Yes"), mrYes);
            add(QStringLiteral("&No"), mrNo);
            escape_ = mrNo;
            break;
        case MsgButtons::YesNoCancel:
            enter = add(QStringLiteral("&Yes"), mrYes);
            add(QStringLiteral("&No"), mrNo);
            add(QStringLiteral("Cancel"), mrCancel);
            escape_ = mrCancel;
            break;
        }
        if (r.buttons == MsgButtons::OkHelp) {
            // Help shows the topic and leaves the box open.
            auto* help = box->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
            const int topic = r.helpContext;
            connect(help, &QPushButton::clicked, this, [showHelp, topic] {
                if (showHelp)
                    showHelp(topic);
            });
        }
        enter->setDefault(true);
        enter->setFocus();
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(row);
        layout->addWidget(box);
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }

    void reject() override { done(escape_); }

private:
    int escape_ = mrOk;
};

} // namespace

QtDialogService::QtDialogService(std::function<void(int)> showHelp)
    : showHelp_(std::move(showHelp)) {}

QString QtDialogService::DisplayText(const std::string& text) {
    QString s = QString::fromUtf8(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

QString QtDialogService::QtFilter(const std::string& filter) {
    // "name|patterns|name|patterns": Qt needs only the names, which carry the patterns.
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList names;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        names << QStringLiteral("%1 (%2)").arg(
            parts[i].section(QLatin1Char('('), 0, 0).trimmed(),
            QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')));
    return names.join(QStringLiteral(";;"));
}

int QtDialogService::MessageBox(const MessageRequest& request) {
    // Above whatever modal window is up (the delete dialog, a progress window), never beneath it.
    QWidget* modal = QApplication::activeModalWidget();
    MessageDialog dialog(request, modal ? modal : owner_, showHelp_);
    return dialog.exec();
}

std::optional<std::string> QtDialogService::BrowseFolder(const std::string& title,
                                                         const std::string& start) {
    const QString folder = QFileDialog::getExistingDirectory(owner_, QString::fromStdString(title),
                                                             QString::fromStdString(start));
    if (folder.isEmpty())
        return std::nullopt;
    return QFile::encodeName(folder).toStdString();
}

std::optional<std::string> QtDialogService::OpenFileName(const std::string& title,
                                                         const std::string& fileName,
                                                         const std::string& filter) {
    const QString name = QFileDialog::getOpenFileName(
        owner_, QString::fromStdString(title), QString::fromStdString(fileName), QtFilter(filter));
    if (name.isEmpty())
        return std::nullopt;
    return QFile::encodeName(name).toStdString();
}

std::optional<std::string> QtDialogService::SaveFileName(const std::string& title,
                                                         const std::string& fileName,
                                                         const std::string& filter) {
    const QString name = QFileDialog::getSaveFileName(
        owner_, QString::fromStdString(title), QString::fromStdString(fileName), QtFilter(filter));
    if (name.isEmpty())
        return std::nullopt;
    return QFile::encodeName(name).toStdString();
}

QUrl QtDialogService::LocalFileUrl(const std::string& path) {
    // QUrl::fromLocalFile takes a QString, in which bytes that are not UTF-8 become U+FFFD: the
    // opener would be handed a file that does not exist. Percent-encoded, every byte stays.
    const std::string absolute =
        path.starts_with('/') ? path
                              : platform::JoinPath(std::filesystem::current_path().string(), path);
    return QUrl::fromEncoded("file://" + QByteArray::fromStdString(absolute).toPercentEncoding("/"),
                             QUrl::StrictMode);
}

bool QtDialogService::OpenWithShell(const std::string& target) {
    const QString t = QString::fromUtf8(target);
    // A link opens as it is; anything else is a local file.
    const bool link = !target.starts_with('/') && (t.contains(QStringLiteral("://")) ||
                                                   t.startsWith(QStringLiteral("mailto:")));
    return QDesktopServices::openUrl(link ? QUrl(t) : LocalFileUrl(target));
}
