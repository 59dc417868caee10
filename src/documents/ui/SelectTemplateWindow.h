#pragma once

#include "ui/Window.h"

class QListWidget;
class QPushButton;

namespace documents {

// Lists the stored templates and opens the chosen one in the editor.
class SelectTemplateWindow : public ui::Window
{
    Q_OBJECT

public:
    explicit SelectTemplateWindow(QWidget *parent = nullptr);

protected:
    // Throws db::DbError when the templates cannot be read; the window stays unloaded.
    void formLoad() override;
    void formUnload() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void selectTemplate();

    QListWidget *m_list;
    QPushButton *m_select;
    QPushButton *m_exit;
};

} // namespace documents
