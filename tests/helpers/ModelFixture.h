#pragma once

// The app model as tests make it: a scratch folder holding its stamp folder, a
// clock, file panels and a clipboard the test drives, a successor that is only
// recorded, never started, and a real engine of two workers unless the test
// has no use for one. The model goes before the engine it uses.

#include "helpers/FakeClock.h"
#include "helpers/FakeDesktop.h"
#include "helpers/FakeFilePanels.h"
#include "helpers/TestEngine.h"
#include "model/AppModel.h"

#include <QTemporaryDir>

#include <memory>

struct ModelFixture
{
    enum class Engine { Real, None };

    explicit ModelFixture(Engine kind = Engine::Real)
        : engine(kind == Engine::Real ? std::make_unique<PDFEngine>(TestEngine::options())
                                      : nullptr)
        , model(std::make_unique<AppModel>(services()))
    {}
    ModelFixture(const ModelFixture &) = delete;
    ModelFixture &operator=(const ModelFixture &) = delete;

    ~ModelFixture()
    {
        model.reset();
        engine.reset();
    }

    // What the model is made with; tests that make a second model start from here.
    AppModel::Services services(const QString &stampsFolder = QStringLiteral("stamps"))
    {
        return AppModel::Services{engine.get(),
                                  &clock,
                                  &panels,
                                  folder.filePath(stampsFolder),
                                  &clipboard,
                                  [this](const QString &program) {
                                      startedCopies.append(program);
                                      return copyStarts;
                                  }};
    }

    QTemporaryDir folder;
    FakeClock clock;
    FakeFilePanels panels;
    FakeClipboard clipboard;
    // The programs the model started as its successor, and whether they start.
    QStringList startedCopies;
    bool copyStarts = true;
    std::unique_ptr<PDFEngine> engine;
    std::unique_ptr<AppModel> model;
};
