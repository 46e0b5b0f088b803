#pragma once
// "Reset Defaults": after confirmation, fills the fields with the factory
// configuration and writes it with Set.

#include <QObject>

namespace zomar {

struct FormContext;
class SetOperation;
class FieldEntry;

class FactoryReset : public QObject
{
    Q_OBJECT
public:
    FactoryReset(FormContext &ctx, FieldEntry &fields, SetOperation &set,
                 QObject *parent = nullptr);

    // Click of "Reset Defaults".
    void resetDefaults();

    static QString promptText();

private:
    void resetNow();

    FormContext &m_ctx;
    FieldEntry &m_fields;
    SetOperation &m_set;
};

} // namespace zomar
