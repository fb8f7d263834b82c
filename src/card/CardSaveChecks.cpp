#include "card/CardSaveChecks.h"

#include "card/AuthDimensionCheck.h"
#include "entry/SessionContext.h"
#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/IPub.h"
#include "suite/pub/MessageScript.h"

namespace customer {

namespace {

const QString kEdt = QStringLiteral("Edt");
constexpr int kQuestion = 4 + 32; // Yes/No with the question icon

SaveCheckFailure failure(suite::IPub &pub, const QString &key, const QString &focus = {})
{
    return { key, pub.GetResString(key), focus };
}

// A rate is refused above its bound, or from its bound on when the bound itself is excluded.
// A text that is no number is left to the field's own check.
std::optional<SaveCheckFailure> checkRate(const CardFields &fields, suite::IPub &pub,
                                          const QString &control, const QString &label,
                                          bool boundAllowed)
{
    const QString text = fields.text(control);
    bool isNumber = false;
    const double value = text.trimmed().toDouble(&isNumber);
    if (text.isEmpty() || !isNumber || (boundAllowed ? value <= 100 : value < 100))
        return std::nullopt;
    const QString key = QStringLiteral("Tarn.AA.ARCHIVE.COMMON.nobiger");
    return SaveCheckFailure{
        key, pub.GetResFormatString(key, { fields.text(label), QStringLiteral("100") }), control
    };
}

std::optional<SaveCheckFailure> checkEditRight(const SaveCheckInputs &inputs)
{
    if (inputs.state == 1 && !inputs.canAdd)
        return failure(*inputs.pub, QStringLiteral("Tarn.AA.ARCHIVE.COMMON.no_add_arch_fun"));
    if (inputs.state == 2 && !inputs.canModify)
        return failure(*inputs.pub, QStringLiteral("Tarn.AA.ARCHIVE.COMMON.no_modify_arch_fun"));
    return std::nullopt;
}

std::optional<SaveCheckFailure> checkCodeAndAbbreviation(CardFields &fields,
                                                         const SaveCheckInputs &inputs)
{
    if (fields.text(kEdt, 0).isEmpty() && inputs.refreshAutoCode)
        inputs.refreshAutoCode();
    if (fields.text(kEdt, 0).trimmed().isEmpty())
        return failure(*inputs.pub, QStringLiteral("Tarn.AA.ARCHIVE.COMMON.cus_code_notnull"));
    if (fields.text(kEdt, 2).trimmed().isEmpty())
        return failure(*inputs.pub, QStringLiteral("Tarn.AA.ARCHIVE.COMMON.cus_abbname_notnull"));
    return std::nullopt;
}

// Only tells whether the function may be entered now: the save takes the lock again for the
// write itself.
std::optional<SaveCheckFailure> checkFunctionLock(const SaveCheckInputs &inputs)
{
    const int task = inputs.state == 1 ? 11 : 2;
    const QString function = QStringLiteral("Customer");
    if (inputs.pub->IsLockFun(inputs.service, inputs.login, function, task))
        return SaveCheckFailure{};
    inputs.pub->IsLockFun(inputs.service, inputs.login, function, -task);
    return std::nullopt;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

SaveCheckInputs SaveCheckInputs::fromSession(int state)
{
    SaveCheckInputs inputs;
    inputs.state = state;
    inputs.canAdd = g_bCanAddArch;
    inputs.canModify = g_bCanModifyArch;
    inputs.pub = g_oPub;
    inputs.service = g_oSrv;
    inputs.login = g_oLogin;
    return inputs;
}

std::optional<SaveCheckFailure> checkBeforeSave(CardFields &fields, const SaveCheckInputs &inputs)
{
    if (auto refused = checkEditRight(inputs))
        return refused;
    if (auto refused = checkRate(fields, *inputs.pub, QStringLiteral("EdtfAdvancePaymentRatio"),
                                 QStringLiteral("lblfAdvancePaymentRatio"), true)) {
        return refused;
    }
    if (auto refused = checkRate(fields, *inputs.pub, QStringLiteral("EdtiCusTaxRate"),
                                 QStringLiteral("LbliCusTaxRate"), false)) {
        return refused;
    }
    if (inputs.userDefinedFieldsValid && !inputs.userDefinedFieldsValid())
        return SaveCheckFailure{};
    if (auto refused = checkCodeAndAbbreviation(fields, inputs))
        return refused;
    if (auto refused = checkFunctionLock(inputs))
        return refused;
    if (auto refused = checkDuplicateNames(fields, inputs.state, *inputs.service, *inputs.pub))
        return refused;
    if (inputs.authorityDimensionsCovered)
        return inputs.authorityDimensionsCovered() ? std::nullopt
                                                   : std::optional(SaveCheckFailure{});
    AuthDimensionCheck dimensions(*inputs.service, *inputs.pub);
    if (auto message = dimensions.CheckAuthDims(fields.text(kEdt, 0), inputs.rightsXml)) {
        return SaveCheckFailure{ QStringLiteral("Tarn.CRM.CONTACT.iclscommon.00026"), *message,
                                 QString() };
    }
    return std::nullopt;
}

QString duplicateNameStatement(const QString &name, const QString &abbreviation, int state,
                               const QString &code)
{
    QString sql =
        QStringLiteral("select top 1 cCusName,cCusAbbName from customer where (cCusName='")
        + suite::sqlQuote(name) + QStringLiteral("' or cCusAbbName='")
        + suite::sqlQuote(abbreviation) + QStringLiteral("') ");
    if (state == 2)
        sql += QStringLiteral(" and cCuscode<>'") + suite::sqlQuote(code) + u'\'';
    return sql;
}

// Names compare as the database compares them, without regard to case.
std::optional<SaveCheckFailure> checkDuplicateNames(const CardFields &fields, int state,
                                                    suite::IClsCommon &service, suite::IPub &pub)
{
    const QString name = fields.text(kEdt, 1);
    const QString abbreviation = fields.text(kEdt, 2);
    const suite::RecordSet other =
        service.OpenX(duplicateNameStatement(name, abbreviation, state, fields.text(kEdt, 0)));
    if (!other.IsOpen() || other.RecordCount() == 0)
        return std::nullopt;
    const QString otherName = other.Value(QStringLiteral("cCusName")).toString();
    const QString otherAbbreviation = other.Value(QStringLiteral("cCusAbbName")).toString();
    if (sameName(otherAbbreviation, abbreviation))
        return failure(pub, QStringLiteral("Tarn.AA.CUSTOMER.2276_1"));
    QString warning;
    if (sameName(otherName, abbreviation))
        warning += pub.GetResString(QStringLiteral("Tarn.AA.CUSTOMER.2281_1"));
    if (sameName(otherAbbreviation, name))
        warning += pub.GetResString(QStringLiteral("Tarn.AA.CUSTOMER.2284_1"));
    if (warning.isEmpty())
        return std::nullopt;
    const int answer =
        pub.MsgBox(warning + pub.GetResString(QStringLiteral("Tarn.AA.CUSTOMER.2290_1")), kQuestion,
                   pub.GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.information")));
    if (answer != suite::MessageStyle::kYes)
        return SaveCheckFailure{};
    return std::nullopt;
}

} // namespace customer
