#pragma once

#include "suite/pub/ArchiveOptions.h"

#include <QDialog>

class QCheckBox;

namespace suite {

class ResourceTable;

// The options of one archive as ticks; read-only for a user who may not change them (then the
// dialog only closes).
class ArchiveOptionDialog : public QDialog
{
    Q_OBJECT

public:
    ArchiveOptionDialog(const QString &cArch, const ArchiveOptionValues &values, bool editable,
                        const ResourceTable &texts, QWidget *parent = nullptr);

    ArchiveOptionValues values() const;
    void setValues(const ArchiveOptionValues &values);
    bool isEditable() const { return m_editable; }

private:
    bool m_editable = false;
    QCheckBox *m_canAdd = nullptr;
    QCheckBox *m_canModify = nullptr;
    QCheckBox *m_autoMnemonic = nullptr;
};

} // namespace suite
