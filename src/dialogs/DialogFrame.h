#pragma once
// The frame every property dialog shares: a fixed-size modal window with its
// controls in rows, optionally on the tabs of one tab control "PageControl1",
// and the buttons "OK" (default) and "Annuler". Controls are built from row
// tables and named after the rows, so the dialogs and the tests find them by
// name. Every way of closing, "Annuler" and the window's close box included,
// first asks CanClose. The dialog opens with the keyboard in the first field
// of the page shown, and Tab walks every control before the buttons.
#include <QDialog>
#include <span>

class QPushButton;
class QTabWidget;

// A dialog window whose title bar has a close box but no minimise or
// maximise button.
constexpr Qt::WindowFlags FixedDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

enum class TControlKind {
    Text,   // a label alone
    Edit,   // a line edit
    Spin,   // a TSpinEdit
    Check,  // a check box
    Color,  // a TColorSwatch
    Button, // a push button
};

struct TControlRow {
    TControlKind Kind;
    const char *Name;    // objectName of the control
    const char *Caption; // its text, or for an edit, spin or colour the label before it
    const char *LabelName = nullptr; // objectName of that label
    int Min = 0;                     // spin limits; equal limits leave it unbounded
    int Max = 0;
};

class TDialogFrame : public QDialog
{
    Q_OBJECT
public:
    TDialogFrame(const char *name, const QString &caption, QWidget *parent = nullptr);

    // The tab control, made on first use.
    QTabWidget &PageControl();
    // A tab page laid out from the rows, appended or put at index.
    QWidget &AddTab(const char *name, const QString &caption, std::span<const TControlRow> rows,
                    int index = -1);
    // Lays out the rows in the dialog itself, above the buttons.
    void AddRows(std::span<const TControlRow> rows);
    // Lays out the rows in any container (a tab page, a group box).
    static void AddRows(QWidget &container, std::span<const TControlRow> rows);

    // The named control; it must exist.
    template <typename T> T &Control(const char *name) const
    {
        T *control = findChild<T *>(QString::fromLatin1(name));
        Q_ASSERT(control);
        return *control;
    }

    void done(int result) override;

protected:
    // Whether the dialog may close now; false keeps it open.
    virtual bool CanClose() { return true; }
    void showEvent(QShowEvent *event) override;

private:
    QWidget &Body();
    // Puts the buttons after every other control in the Tab order.
    void ButtonsLast();
    // Gives the keyboard to the first control of the page shown.
    void FocusFirstField();

    QWidget *m_body = nullptr;
    QTabWidget *m_pages = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};
