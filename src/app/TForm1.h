#pragma once

#include "app/AppPaths.h"

#include <QMainWindow>
#include <array>

class Dialogs;
class Shell;
class Sound;
class QTabWidget;
class QStatusBar;

// The main window. It owns every setting as the state of one of its controls,
// the tips as the texts of the tip-board cells and the current draw as fields.
// Handlers are split by subsystem into Form1*.cpp files.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    struct Services {
        Dialogs* dialogs = nullptr;
        Shell* shell = nullptr;
        Sound* sound = nullptr;
        QString settingsFile; // empty: the per-user settings store
    };

    TForm1(const AppPaths& paths, const Services& services, QWidget* parent = nullptr);
    ~TForm1() override;

    // ---- fields ----------------------------------------------------------
    QString Home;        // folder the program writes into, trailing '/'
    QString ProgramDir;  // folder of the delivered files, trailing '/'
    QString ZahlenFile = QStringLiteral("ZahlenOB.dat");
    QString SoundName = QStringLiteral("yippee.wav");
    qint32 LaufMax = 100000;
    bool sortieren = false;
    bool Berechnunglaeuft = false;
    qint32 Groesse = 0;
    double dfb = 0.0;
    qint32 Sprache = 0;
    QString LosNr;
    qint32 SPiel77Ja = 0;
    qint32 Super6Ja = 0;
    qint32 GlueckJa = 0;
    qint32 Land = 1;
    qint32 neuerSchein = 0;
    qint32 TippTop = 39;
    qint32 TippLeft = 47;

    // Current draw: Zahl[1..6] numbers, [7] bonus, [8] super number.
    std::array<qint32, 9> Zahl{};
    double Datum1 = 0.0;
    qint32 Position = 0;
    double aktDatum = 0.0;

    // Results of the last comparison and rating.
    std::array<quint8, 9> Treffer{};
    quint8 Gewinn = 0;
    bool Zusatz = false;
    std::array<std::array<qint32, 2>, 7> Statistik{};

    QString databasePath() const { return Home + ZahlenFile; }

    Dialogs& dialogs() const { return *services_.dialogs; }
    Shell& shell() const { return *services_.shell; }
    Sound& sound() const { return *services_.sound; }

private:
    void buildUi();

    Services services_;
    QTabWidget* PageControl1 = nullptr;
};
