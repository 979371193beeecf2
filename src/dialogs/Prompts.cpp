#include "dialogs/Prompts.h"
#include "dialogs/FileDialog.h"
#include "render/QtColor.h"
#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QStringList>
#include <utility>

namespace
{

QMessageBox::Icon BoxIcon(Prompts::Icon icon)
{
    switch (icon) {
    case Prompts::Icon::Information:
        return QMessageBox::Information;
    case Prompts::Icon::Warning:
        return QMessageBox::Warning;
    case Prompts::Icon::Error:
        return QMessageBox::Critical;
    case Prompts::Icon::Question:
        return QMessageBox::Question;
    case Prompts::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The buttons speak French whatever translations the host has.
void FrenchButtons(QMessageBox &box)
{
    const std::pair<QMessageBox::StandardButton, const char *> texts[] = {
        {QMessageBox::Ok, "OK"},
        {QMessageBox::Yes, "&Oui"},
        {QMessageBox::No, "&Non"},
        {QMessageBox::Cancel, "Annuler"},
    };
    for (const auto &[button, text] : texts)
        if (QAbstractButton *b = box.button(button))
            b->setText(QString::fromUtf8(text));
}

QString CaptionOr(const QString &caption)
{
    return caption.isEmpty() ? QApplication::applicationName() : caption;
}

// Runs the file dialog set up from the options.
QString RunFileDialog(QWidget *parent, const TFileDialogOptions &o, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, o.Title);
    SetUpFileDialog(dialog, o, mode);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QFont ToQFont(const TFont &font)
{
    QFont q(font.Name);
    if (font.Size > 0)
        q.setPointSize(font.Size);
    q.setBold(font.Bold);
    q.setItalic(font.Italic);
    q.setUnderline(font.Underline);
    q.setStrikeOut(font.StrikeOut);
    return q;
}

class QtPrompts final : public Prompts
{
public:
    QMessageBox::StandardButton Message(QWidget *parent, Icon icon, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        const QString &caption) override
    {
        QMessageBox box(BoxIcon(icon), CaptionOr(caption), text, buttons, parent);
        FrenchButtons(box);
        return QMessageBox::StandardButton(box.exec());
    }

    QString OpenFileName(QWidget *parent, const TFileDialogOptions &options) override
    {
        return RunFileDialog(parent, options, QFileDialog::AcceptOpen);
    }

    QString SaveFileName(QWidget *parent, const TFileDialogOptions &options) override
    {
        return RunFileDialog(parent, options, QFileDialog::AcceptSave);
    }

    bool ChooseColor(QWidget *parent, TColor &color) override
    {
        const QColor chosen = QColorDialog::getColor(ToQColor(color), parent);
        if (!chosen.isValid())
            return false;
        color = RGBColor(unsigned(chosen.red()), unsigned(chosen.green()), unsigned(chosen.blue()));
        return true;
    }

    bool ChooseFont(QWidget *parent, TFont &font) override
    {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, ToQFont(font), parent);
        if (!ok)
            return false;
        font.Name = chosen.family();
        font.Size = chosen.pointSize();
        font.Bold = chosen.bold();
        font.Italic = chosen.italic();
        font.Underline = chosen.underline();
        font.StrikeOut = chosen.strikeOut();
        return true;
    }

    int Exec(QDialog &dialog) override { return dialog.exec(); }
};

QtPrompts qtPrompts;
Prompts *current = &qtPrompts;

} // namespace

Prompts &prompts()
{
    return *current;
}

Prompts *SetPrompts(Prompts *p)
{
    Prompts *previous = current;
    current = p ? p : &qtPrompts;
    return previous;
}

void ShowMessage(const QString &text, QWidget *parent)
{
    prompts().Message(parent, Prompts::Icon::None, text, QMessageBox::Ok, {});
}

void ShowError(const QString &text, QWidget *parent)
{
    prompts().Message(parent, Prompts::Icon::Error, text, QMessageBox::Ok, {});
}

QMessageBox::StandardButton AskQuestion(const QString &text, QMessageBox::StandardButtons buttons,
                                        QWidget *parent)
{
    return prompts().Message(parent, Prompts::Icon::Question, text, buttons, {});
}

QString QtFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString patterns = i + 1 < parts.size()
                                     ? parts[i + 1].split(QLatin1Char(';')).join(QLatin1Char(' '))
                                     : QString();
        if (description.isEmpty() && patterns.isEmpty())
            continue;
        if (!patterns.isEmpty() && !description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (%1)").arg(patterns);
        filters << description;
    }
    return filters.join(QStringLiteral(";;"));
}
