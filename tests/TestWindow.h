// A real table window over a fresh folder, with its keys, screen-reader
// interfaces and advice, the table started in it and the window shown, for the window
// tests.
#pragma once

#include "FrmMain.h"
#include "Random.h"
#include "access/TableAccessible.h"
#include "access/TableAids.h"
#include "advice/TableAdvice.h"
#include "window/MainWindow.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>

struct TableWindow {
    // The accessible interfaces are installed before the window's first widget.
    struct Accessibility {
        Accessibility() { InstallTableAccessibility(); }
    } Installed;
    QTemporaryDir Dir;
    MainWindow View{Dir.path(), QStringLiteral("/nonexistent/deck.svgz")};
    FrmMain Game;
    std::unique_ptr<TableAids> Aids;
    std::unique_ptr<TableAdvice> Advice;

    // A `name` is the player's, as Names2.dat holds it when the table starts.
    explicit TableWindow(std::function<double()> random = MakeRandomSource(1),
                         const QString& name = QString())
        : Game(View, TableSettings{Dir.path(), Dir.path() + "/user", std::move(random)}) {
        if (!name.isEmpty()) {
            QFile names(Dir.filePath("Names2.dat"));
            if (names.open(QIODevice::WriteOnly)) names.write("\"" + name.toUtf8() + "\"\r\n");
        }
        View.Attach(&Game);
        Aids = std::make_unique<TableAids>(View, Game);
        Advice = std::make_unique<TableAdvice>(View, Game, *Aids);
        Game.Dispatch([&] { Game.Form_Load(); });
        View.show();
    }
    template <class T = QWidget> T* Find(const QString& name) { return View.findChild<T*>(name); }
};
