#pragma once

#include <QWidget>

class QTextBrowser;

// The program's own help viewer: the HTML help file with its contents and one topic per help
// context number. Topics are sections marked <section id="topic-N"> in the file.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner);

    // Shows the file from its contents at the top.
    void ShowContents(const QString& fileName);
    QTextBrowser* Browser() const { return browser_; }

    // The HTML of topic n of the file, or an empty text when the file or the topic is missing.
    static QString TopicText(const QString& fileName, int topic);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* browser_;
};
