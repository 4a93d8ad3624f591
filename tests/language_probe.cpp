// Starts the toolkit as the program does and prints what the environment
// chose, one field per line: the menu's title from the program's catalog,
// the toolkit's own Yes, and a figure as the read-outs format it.
#include <QCoreApplication>

#include <cstdio>

#include "framework/app.h"
#include "framework/language.h"
#include "framework/resources.h"
#include "framework/string.h"
#include "platform/text.h"

int main(int argc, char** argv)
{
    AfxWinInit(argc, argv);
    CString strFigure;
    strFigure.Format(u"%0.2lf", 4096.5);
    std::printf("%s\n%s\n%s\n", Utf16ToUtf8(AfxTranslate(AFX_CONTEXT_MENU, u"&Menu")).c_str(),
        QCoreApplication::translate("QPlatformTheme", "&Yes").toUtf8().constData(),
        Utf16ToUtf8(strFigure.str()).c_str());
    return 0;
}
