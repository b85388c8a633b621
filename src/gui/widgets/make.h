// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLatin1String>
#include <QObject>
#include <QVariant>

namespace torvex::gui {

// Creates a named component: the object name is the fixed name that tests and
// the text table rely on; the tag selects its texts (0: none).
template <class W, class Parent> W* make(Parent* parent, const char* objectName, int tag = 0) {
    auto* w = new W(parent);
    w->setObjectName(QLatin1String(objectName));
    if (tag)
        w->setProperty("tag", tag);
    return w;
}

inline int tagOf(const QObject* o) { return o->property("tag").toInt(); }

} // namespace torvex::gui
