#pragma once
// The about box: the product's picture, the acknowledgements, the product
// name and an OK button.
#include <QDialog>
#include <QPixmap>
#include <QStringList>

class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);

    // The four lines under the heading.
    static QStringList Acknowledgements();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QPixmap m_picture;
};
