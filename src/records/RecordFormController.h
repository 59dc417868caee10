#pragma once

#include "base/FailurePolicy.h"
#include "records/ButtonStates.h"
#include "records/KeyboardTable.h"
#include "records/RecordFamily.h"

#include <QObject>
#include <QString>

#include <memory>

namespace db {
class Connection;
class Recordset;
} // namespace db

namespace records {

// A form's connection and its primary recordset, open.
struct OpenedRecords
{
    OpenedRecords();
    OpenedRecords(OpenedRecords &&) noexcept;
    OpenedRecords &operator=(OpenedRecords &&) noexcept;
    ~OpenedRecords();

    std::unique_ptr<db::Connection> connection;
    std::unique_ptr<db::Recordset> recordset;
};

using base::FailurePolicy;
using base::runSteps;
using base::Step;

// The behaviour a record form shares, without any widget: the primary recordset, the
// browse, edit and add states with their flags, every record operation step by step,
// and the keyboard. Forms differ in their query and in two hooks: what a completed
// move does (moveCompleted) and what Update writes before storing (beforeStore).
class RecordFormController : public QObject
{
    Q_OBJECT

public:
    explicit RecordFormController(RecordFamily family, QObject *parent = nullptr);
    ~RecordFormController() override;

    RecordFamily family() const { return m_family; }
    FailurePolicy policy() const;

    // Opens a new connection and primary recordset over query() and binds the fields.
    // Has no failure handling of its own: throws db::DbError.
    void load();
    // Opens what load() opens for a form over this query, touching no widget, so a
    // form's data can be read before its window is built. Throws db::DbError.
    static OpenedRecords openRecords(const QString &query);
    static OpenedRecords openRecords(const QString &query, std::unique_ptr<db::Connection> connection);
    // The next load() binds these instead of opening its own.
    void useOpenedRecords(OpenedRecords opened);
    db::Recordset *recordset() const { return m_recordset.get(); }

    void add();
    void edit();
    void update();
    void cancel();
    void deleteCurrent();
    void refresh();
    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    // Moves to the row at a 0-based index, as clicking a grid row does.
    void moveToRow(int row);
    // Drops a row added in the grid that nothing has been typed into yet, as data grids
    // drop their empty new-row line when it is left.
    void dropUntouchedRow();

    // KeyCommand::None while an edit or an added row is pending.
    KeyCommand commandForKey(int key, Qt::KeyboardModifiers modifiers) const;

    bool editFlag() const { return m_editFlag; }
    bool addFlag() const { return m_addFlag; }
    // 0 until Add was first pressed on a non-empty recordset.
    int savedBookmark() const { return m_savedBookmark; }
    // An edit or added row is pending, or a row holds changes that are not stored yet.
    bool hasUnsavedWork() const;

    const ButtonStates &buttons() const { return m_buttons; }
    QString status() const { return m_status; }

signals:
    void buttonsChanged();
    void statusChanged(const QString &text);
    void errorOccurred(const QString &description);
    void beepRequested();
    void fieldsBound(db::Recordset *recordset);
    void fieldsUnbound();
    void gridFocusRequested();

protected:
    virtual QString query() const = 0;
    // After every completed move of the primary recordset.
    virtual void moveCompleted() = 0;
    // Before Update stores the pending changes.
    virtual void beforeStore() { }
    // Right after Add has added its row.
    virtual void rowAdded() { }
    // After Update or Cancel has brought the form back to browsing.
    virtual void browsingResumed() { }
    // After load() has opened the new recordset, before the fields are bound to it.
    virtual void loaded() { }
    // Delete's own step: deletes the row on screen (and what belongs to it alone).
    virtual void deleteRow();

    db::Connection &connection() const { return *m_connection; }

    db::Recordset &primary() const;
    void setStatus(const QString &text);
    void hideAdd();
    void setBrowseButtons(bool browsing);
    void run(std::initializer_list<Step> steps);
    // A step that stores or deletes a row: the database refusing it is shown on every
    // form, also where other failures pass silently, as passing over it would lose what
    // the user typed or leave a row the user believes deleted.
    Step storing(Step step);
    // A move, which stores the row it leaves when that row holds changes.
    Step leaving(Step step);

private:
    void addTextBoxRow();
    void addGridRow();
    void resumeBrowsingIfDone();

    RecordFamily m_family;
    std::unique_ptr<db::Connection> m_connection;
    std::unique_ptr<db::Recordset> m_recordset;
    OpenedRecords m_openedAhead;
    bool m_editFlag = false;
    bool m_addFlag = false;
    bool m_untouchedRow = false;
    int m_savedBookmark = 0;
    ButtonStates m_buttons;
    QString m_status;
};

} // namespace records
