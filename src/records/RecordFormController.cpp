#include "records/RecordFormController.h"

#include "base/Error.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/ProgramFolder.h"
#include "db/Recordset.h"

#include <QCoreApplication>

namespace records {

RecordFormController::RecordFormController(RecordFamily family, QObject *parent)
    : QObject(parent)
    , m_family(family)
{
}

RecordFormController::~RecordFormController() = default;

FailurePolicy RecordFormController::policy() const
{
    return m_family == RecordFamily::TextBoxes ? FailurePolicy::Report : FailurePolicy::IgnoreEachStep;
}

void RecordFormController::run(std::initializer_list<Step> steps)
{
    runSteps(policy(), steps, [this](const QString &description) { emit errorOccurred(description); });
}

Step RecordFormController::storing(Step step)
{
    if (policy() == FailurePolicy::Report)
        return step; // shown like every other failure
    return [this, step = std::move(step)] {
        try {
            step();
        } catch (const base::Error &error) {
            emit errorOccurred(error.description());
            throw;
        }
    };
}

Step RecordFormController::leaving(Step step)
{
    return [this, step = std::move(step)] {
        dropUntouchedRow();
        if (m_recordset && m_recordset->hasPendingChanges())
            storing(step)();
        else
            step();
    };
}

void RecordFormController::dropUntouchedRow()
{
    if (!m_untouchedRow || !m_recordset || m_recordset->editMode() != db::EditMode::Adding)
        return;
    m_untouchedRow = false;
    m_recordset->cancelUpdate();
}

db::Recordset &RecordFormController::primary() const
{
    if (!m_recordset)
        throw db::DbError(
            QCoreApplication::translate("records::RecordFormController", "The form has no records: it is not loaded."));
    return *m_recordset;
}

OpenedRecords::OpenedRecords() = default;
OpenedRecords::OpenedRecords(OpenedRecords &&) noexcept = default;
OpenedRecords &OpenedRecords::operator=(OpenedRecords &&) noexcept = default;
OpenedRecords::~OpenedRecords() = default;

OpenedRecords RecordFormController::openRecords(const QString &query)
{
    auto connection = std::make_unique<db::Connection>();
    connection->open(db::ConnectionStrings::recordForm());
    return openRecords(query, std::move(connection));
}

OpenedRecords RecordFormController::openRecords(const QString &query, std::unique_ptr<db::Connection> connection)
{
    OpenedRecords opened;
    opened.recordset = std::make_unique<db::Recordset>();
    opened.recordset->open(query, *connection, db::CursorType::Static, db::LockType::Optimistic);
    opened.connection = std::move(connection);
    return opened;
}

void RecordFormController::useOpenedRecords(OpenedRecords opened)
{
    m_openedAhead = std::move(opened);
}

void RecordFormController::load()
{
    m_buttons = ButtonStates{};
    emit buttonsChanged();

    // The previous connection and recordset stay usable until the new ones are open.
    OpenedRecords opened
        = m_openedAhead.recordset ? std::exchange(m_openedAhead, OpenedRecords{}) : openRecords(query());
    connect(opened.recordset.get(), &db::Recordset::moveComplete, this, [this] { moveCompleted(); });
    connect(opened.recordset.get(), &db::Recordset::rowChanged, this, [this] { m_untouchedRow = false; });
    m_recordset = std::move(opened.recordset);
    m_connection = std::move(opened.connection);
    m_untouchedRow = false;
    // Opening moved to the first row before anything listened.
    moveCompleted();
    loaded();
    emit fieldsBound(m_recordset.get());
}

void RecordFormController::add()
{
    if (m_family == RecordFamily::TextBoxes)
        addTextBoxRow();
    else
        addGridRow();
}

void RecordFormController::addTextBoxRow()
{
    run({
        [this] {
            if (!(primary().bof() && primary().eof()))
                m_savedBookmark = primary().bookmark();
        },
        [this] {
            primary().addNew();
            rowAdded();
        },
        [this] { setStatus(QCoreApplication::translate("records::RecordFormController", "Add record")); },
        [this] { m_addFlag = true; },
        [this] { setBrowseButtons(false); },
    });
}

void RecordFormController::addGridRow()
{
    // The grid stays in the browse state: its new row is stored when the grid leaves it.
    run({
        leaving([this] { primary().moveLast(); }),
        [this] {
            primary().addNew();
            rowAdded();
            // What the form itself writes into the new row does not count as typing.
            m_untouchedRow = true;
        },
        [this] { emit gridFocusRequested(); },
    });
}

void RecordFormController::edit()
{
    run({
        [this] { setStatus(QCoreApplication::translate("records::RecordFormController", "Edit record")); },
        [this] { m_editFlag = true; },
        [this] { setBrowseButtons(false); },
    });
}

void RecordFormController::update()
{
    run({
        [this] { beforeStore(); },
        storing([this] { primary().updateBatch(); }),
        [this] {
            if (m_addFlag)
                primary().moveLast();
        },
        [this] { m_editFlag = m_addFlag = false; },
        [this] { setBrowseButtons(true); },
    });
    resumeBrowsingIfDone();
}

void RecordFormController::cancel()
{
    runSteps(FailurePolicy::IgnoreEachStep,
             {
                 [this] { setBrowseButtons(true); },
                 [this] { m_editFlag = m_addFlag = false; },
                 [this] { primary().cancelUpdate(); },
                 [this] {
                     if (m_savedBookmark > 0)
                         primary().setBookmark(m_savedBookmark);
                     else
                         primary().moveFirst();
                 },
             },
             {});
    resumeBrowsingIfDone();
}

void RecordFormController::resumeBrowsingIfDone()
{
    if (!m_editFlag && !m_addFlag)
        browsingResumed();
}

void RecordFormController::deleteCurrent()
{
    run({
        storing([this] { deleteRow(); }),
        [this] { primary().moveNext(); },
        [this] {
            if (primary().eof())
                primary().moveLast();
        },
    });
}

void RecordFormController::deleteRow()
{
    primary().deleteCurrent();
}

void RecordFormController::refresh()
{
    if (m_family == RecordFamily::TextBoxes) {
        run({[this] { primary().requery(); }});
        return;
    }
    run({
        [this] { dropUntouchedRow(); },
        [this] { emit fieldsUnbound(); },
        [this] { primary().requery(); },
        [this] { emit fieldsBound(&primary()); },
    });
}

void RecordFormController::moveFirst()
{
    run({leaving([this] { primary().moveFirst(); })});
}

void RecordFormController::moveLast()
{
    run({leaving([this] { primary().moveLast(); })});
}

void RecordFormController::moveToRow(int row)
{
    run({leaving([this, row] { primary().moveTo(row); })});
}

void RecordFormController::moveNext()
{
    run({
        leaving([this] {
            if (!primary().eof())
                primary().moveNext();
        }),
        [this] {
            if (primary().eof() && primary().recordCount() > 0) {
                emit beepRequested();
                primary().moveLast();
            }
        },
    });
}

void RecordFormController::movePrevious()
{
    run({
        leaving([this] {
            if (!primary().bof())
                primary().movePrevious();
        }),
        [this] {
            if (primary().bof() && primary().recordCount() > 0) {
                emit beepRequested();
                primary().moveFirst();
            }
        },
    });
}

KeyCommand RecordFormController::commandForKey(int key, Qt::KeyboardModifiers modifiers) const
{
    if (m_editFlag || m_addFlag)
        return KeyCommand::None;
    return keyCommand(key, modifiers);
}

bool RecordFormController::hasUnsavedWork() const
{
    const bool untouchedRowOnly = m_untouchedRow && m_recordset && m_recordset->editMode() == db::EditMode::Adding;
    return m_editFlag || m_addFlag || (m_recordset && m_recordset->hasPendingChanges() && !untouchedRowOnly);
}

void RecordFormController::setStatus(const QString &text)
{
    m_status = text;
    emit statusChanged(text);
}

void RecordFormController::hideAdd()
{
    if (!m_buttons.add)
        return;
    m_buttons.add = false;
    emit buttonsChanged();
}

void RecordFormController::setBrowseButtons(bool browsing)
{
    m_buttons.add = browsing;
    m_buttons.edit = browsing;
    m_buttons.update = !browsing;
    m_buttons.cancel = !browsing;
    m_buttons.remove = browsing;
    m_buttons.close = browsing;
    m_buttons.refresh = browsing;
    m_buttons.navigation = browsing;
    emit buttonsChanged();
}

} // namespace records
