#pragma once

// The main window on a copy of the fixture edition with every seam faked.
#include "app/lesson_tree.h"
#include "app/main_window.h"
#include "base/random_source.h"
#include "study/lesson_records.h"
#include "support/fake_audio.h"
#include "support/fake_companions.h"
#include "support/fake_movie_host.h"
#include "support/fake_prompter.h"
#include "support/fake_services.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QMap>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

namespace qinghe::test {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { writeSettings(); }

    void writeSettings(const QByteArray& extra = {}) {
        QByteArray ini = readFile(fixtureEdition() + QStringLiteral("Data/systxt/Set.ini"));
        writeFile(edition.path(QStringLiteral("Data/systxt/Set.ini")), ini + extra);
    }
    // The fixture's settings with one text replaced, e.g. ("GBegin=0", "GBegin=5") for one book.
    void changeSettings(const QByteArray& from, const QByteArray& to) {
        QByteArray ini = readFile(fixtureEdition() + QStringLiteral("Data/systxt/Set.ini"));
        writeFile(edition.path(QStringLiteral("Data/systxt/Set.ini")), ini.replace(from, to));
    }

    MainWindow& make() {
        window.reset();
        services.reset();
        records = std::make_unique<StudyRecords>(paths);
        hosts.clear();
        services = std::make_unique<AppServices>(AppServices{edition.root(), prompter, audio, devices,
                                                             [this](QWidget* parent, const QString& name) {
                                                                 auto* host = new FakeMovieHost(parent);
                                                                 host->widget()->setParent(parent);
                                                                 host->setObjectName(name);
                                                                 hosts[name] = host;
                                                                 return host;
                                                             },
                                                             launcher, pad, random, *records, companions});
        window = std::make_unique<MainWindow>(*services);
        return *window;
    }

    QString treeCaption(const NodePath& path) const {
        QTreeWidgetItem* item = itemAt(window->lessonTree(), path);
        return item != nullptr ? item->text(0) : QString();
    }

    EditionCopy edition;
    const PathResolver paths{edition.root()};
    FakeCompanions companions;
    std::unique_ptr<StudyRecords> records;
    FakePrompter prompter;
    FakeAudio audio;
    FakeAudioDevices devices;
    FakeLauncher launcher;
    FakePad pad;
    SeededRandom random{1};
    QMap<QString, FakeMovieHost*> hosts;
    std::unique_ptr<AppServices> services;
    std::unique_ptr<MainWindow> window;
};

} // namespace qinghe::test
