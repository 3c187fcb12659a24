#pragma once
// A modal box in a window test would wait for a click that never comes: the
// guard closes any box that opens and fails the test that opened it.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace bexoru::qt {

inline void guard_against_modal_boxes(QTimer& guard) {
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "unexpected modal dialog: " << modal->windowTitle().toStdString();
            modal->close();
        }
    });
    guard.start(200);
}

}  // namespace bexoru::qt
