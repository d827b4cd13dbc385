#include "app/TForm1.h"

#include <QStatusBar>
#include <QTabWidget>

TForm1::TForm1(const AppPaths& paths, const Services& services, QWidget* parent)
    : QMainWindow(parent), Home(paths.home), ProgramDir(paths.programDir), services_(services)
{
    setObjectName(QStringLiteral("Form1"));
    buildUi();
}

TForm1::~TForm1() = default;

void TForm1::buildUi()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    setCentralWidget(PageControl1);
    resize(560, 460);
}
