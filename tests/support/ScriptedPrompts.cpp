#include "ScriptedPrompts.h"
#include <QDialog>
#include <gtest/gtest.h>

namespace
{

template <typename T> std::optional<T> TakeFront(std::deque<T> &queue)
{
    if (queue.empty())
        return std::nullopt;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

// A scripted colour or font answer: nullopt cancels the dialog.
template <typename T>
bool TakeChoice(std::deque<std::optional<T>> &queue, T &value, const char *dialog)
{
    if (queue.empty()) {
        ADD_FAILURE() << "unscripted " << dialog << " dialog";
        return false;
    }
    const std::optional<T> answer = std::move(queue.front());
    queue.pop_front();
    if (answer)
        value = *answer;
    return answer.has_value();
}

} // namespace

ScriptedPrompts::ScriptedPrompts() : previous_(SetPrompts(this)) {}

ScriptedPrompts::~ScriptedPrompts()
{
    SetPrompts(previous_);
}

QStringList ScriptedPrompts::MessageTexts() const
{
    QStringList texts;
    for (const MessageRecord &m : Messages)
        texts << m.text;
    return texts;
}

QMessageBox::StandardButton ScriptedPrompts::Message(QWidget *, Icon icon, const QString &text,
                                                     QMessageBox::StandardButtons buttons,
                                                     const QString &caption)
{
    Messages.push_back({icon, text, caption, buttons});
    if (auto answer = TakeFront(Answers)) {
        EXPECT_TRUE(buttons.testFlag(*answer))
            << "scripted answer not offered by: " << text.toStdString();
        return *answer;
    }
    if (buttons == QMessageBox::Ok)
        return QMessageBox::Ok;
    ADD_FAILURE() << "unscripted question: " << text.toStdString();
    return buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No;
}

QString ScriptedPrompts::NextFileName(const TFileDialogOptions &options)
{
    FileDialogs.push_back(options);
    if (auto name = TakeFront(FileNames))
        return *name;
    ADD_FAILURE() << "unscripted file dialog: " << options.Filter.toStdString();
    return {};
}

QString ScriptedPrompts::OpenFileName(QWidget *, const TFileDialogOptions &options)
{
    return NextFileName(options);
}

QString ScriptedPrompts::SaveFileName(QWidget *, const TFileDialogOptions &options)
{
    return NextFileName(options);
}

bool ScriptedPrompts::ChooseColor(QWidget *, TColor &color)
{
    ColorPresets.push_back(color);
    return TakeChoice(Colors, color, "colour");
}

bool ScriptedPrompts::ChooseFont(QWidget *, TFont &font)
{
    return TakeChoice(Fonts, font, "font");
}

int ScriptedPrompts::Exec(QDialog &dialog)
{
    ExecutedDialogs << dialog.objectName();
    auto script = TakeFront(Dialogs);
    if (!script) {
        ADD_FAILURE() << "unscripted dialog: " << dialog.objectName().toStdString();
        return QDialog::Rejected;
    }
    // Shown while scripted, as a modal run shows it.
    dialog.show();
    const int result = (*script)(dialog);
    dialog.hide();
    dialog.setResult(result);
    return result;
}
