#pragma once
// The shared image list of the main window's actions: one SVG per action in
// the resources, rendered at the sizes menus and tool bars use.
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <initializer_list>

// Makes the application's compiled-in resources available (they live in a
// static library, so nothing would pull them in otherwise). Safe to repeat.
void InitAppResources();

// Icon of the action named name; a null icon when the image list has none.
QIcon ActionIcon(const QString &name);

// A square SVG of the resources rendered at each side length; a null icon
// when there is no such file.
QIcon ResourceIcon(const QString &path, std::initializer_list<int> sides);

// A picture from the resources, rendered at its own size with transparency.
QPixmap ResourcePicture(const QString &path);
