#pragma once

#include "ui/Window.h"

class QPlainTextEdit;

namespace documents {

// A stored template filled with one business's data, shown for reading. Nothing typed
// into it is kept.
class ArticlesWindow : public ui::Window
{
    Q_OBJECT

public:
    explicit ArticlesWindow(QWidget *parent = nullptr);

    // Shows a template filled with a business's data. A window that is loaded already
    // comes to the front, merged anew when it showed another template or business.
    // Throws db::DbError when the database cannot be read; the window is then unloaded.
    void showTemplate(const QString &reportName, qint64 businessInformationId);
    // What was last handed over, read when the window loads.
    QString reportName() const { return m_reportName; }
    qint64 businessInformationId() const { return m_businessInformationId; }

protected:
    void formLoad() override;
    void formUnload() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitTextToWindow();

    QPlainTextEdit *m_text;
    QString m_reportName;
    qint64 m_businessInformationId = 0;
};

} // namespace documents
