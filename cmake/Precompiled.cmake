# Headers that most files of a target include, compiled once per target
# instead of once per file. -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON builds
# without them, which also checks that every file includes what it uses.
set(QUILLET_STD_HEADERS
    <algorithm> <cstdint> <cstdio> <cstdlib> <cstring> <functional> <map> <memory> <optional> <string>
    <string_view> <utility> <vector>)
set(QUILLET_QT_HEADERS ${QUILLET_STD_HEADERS}
    <QAbstractButton> <QApplication> <QCoreApplication> <QKeyEvent> <QPainter> <QPixmap> <QPushButton>
    <QTimer> <QTreeWidget> <QWidget>)
set(QUILLET_PLAIN_TEST_HEADERS ${QUILLET_STD_HEADERS} <filesystem> <fstream> <thread> <gtest/gtest.h>)
set(QUILLET_TEST_HEADERS ${QUILLET_QT_HEADERS} <filesystem> <fstream> <gtest/gtest.h>
    <QTemporaryDir> <QToolButton> <QMenu> <QFile> <QDir> <QImage>)
