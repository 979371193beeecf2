#pragma once
// Prompts for tests: every answer comes from a queue filled by the test, and
// every request is recorded. Constructing one installs it; destroying it puts
// the previous prompts back. A request with no scripted answer fails the test
// (except a message box whose only button is OK, which is simply recorded).
#include "dialogs/Prompts.h"
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

class ScriptedPrompts final : public Prompts
{
public:
    struct MessageRecord {
        Icon icon = Icon::None;
        QString text;
        QString caption;
        QMessageBox::StandardButtons buttons;
    };
    // Fills or reads the dialog's controls and returns its result
    // (QDialog::Accepted or QDialog::Rejected). The dialog is shown meanwhile.
    using DialogScript = std::function<int(QDialog &)>;

    ScriptedPrompts();
    ~ScriptedPrompts() override;
    ScriptedPrompts(const ScriptedPrompts &) = delete;
    ScriptedPrompts &operator=(const ScriptedPrompts &) = delete;

    // Answers, consumed front first.
    std::deque<QMessageBox::StandardButton> Answers;
    std::deque<QString> FileNames; // empty string: the dialog is cancelled
    std::deque<std::optional<TColor>> Colors;
    std::deque<std::optional<TFont>> Fonts;
    std::deque<DialogScript> Dialogs;

    // What was asked, in order.
    std::vector<MessageRecord> Messages;
    std::vector<TFileDialogOptions> FileDialogs;
    std::vector<TColor> ColorPresets;
    QStringList ExecutedDialogs; // objectName() of each dialog run

    QStringList MessageTexts() const;

    QMessageBox::StandardButton Message(QWidget *parent, Icon icon, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        const QString &caption) override;
    QString OpenFileName(QWidget *parent, const TFileDialogOptions &options) override;
    QString SaveFileName(QWidget *parent, const TFileDialogOptions &options) override;
    bool ChooseColor(QWidget *parent, TColor &color) override;
    bool ChooseFont(QWidget *parent, TFont &font) override;
    int Exec(QDialog &dialog) override;

private:
    QString NextFileName(const TFileDialogOptions &options);

    Prompts *previous_;
};
