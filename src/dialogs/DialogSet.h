#pragma once
// The property dialogs of one page view. Each is made on first use, as a
// window of the given parent, and kept until the set goes, so that it
// reopens as it was left: same tab, same fields until refilled.
#include <QDialog>
#include <memory>
#include <typeindex>
#include <unordered_map>

class TDialogSet
{
public:
    explicit TDialogSet(QWidget *parent) : m_parent(parent) {}

    // D is constructed from a QWidget *parent.
    template <typename D> D &Get()
    {
        std::unique_ptr<QDialog> &slot = m_dialogs[std::type_index(typeid(D))];
        if (!slot)
            slot = std::make_unique<D>(m_parent);
        return static_cast<D &>(*slot);
    }

private:
    QWidget *m_parent;
    std::unordered_map<std::type_index, std::unique_ptr<QDialog>> m_dialogs;
};
