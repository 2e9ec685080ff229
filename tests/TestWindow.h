// A real table window over a fresh folder, the table started in it and the
// window shown, for the window tests.
#pragma once

#include "FrmMain.h"
#include "MainWindow.h"
#include "Random.h"

#include <QTemporaryDir>
#include <functional>

struct TableWindow {
    QTemporaryDir Dir;
    MainWindow View{Dir.path(), QStringLiteral("/nonexistent/deck.svgz")};
    FrmMain Game;

    explicit TableWindow(std::function<double()> random = MakeRandomSource(1))
        : Game(View, TableSettings{Dir.path(), Dir.path() + "/user", std::move(random)}) {
        View.Attach(&Game);
        Game.Dispatch([&] { Game.Form_Load(); });
        View.show();
    }
    template <class T = QWidget> T* Find(const QString& name) { return View.findChild<T*>(name); }
};
