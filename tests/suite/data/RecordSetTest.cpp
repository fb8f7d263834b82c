#include "suite/data/RecordSet.h"
#include "suite/core/ErrorLog.h"

#include <QDateTime>

#include <gtest/gtest.h>

using namespace suite;

namespace {

QList<Field> customerFields()
{
    return { { QStringLiteral("cCusCode"), adVarWChar, 20 },
             { QStringLiteral("cCusName"), adVarWChar, 98 },
             { QStringLiteral("iCusCreLine"), adInteger, 4 },
             { QStringLiteral("dCusDevDate"), adDBTimeStamp, 16 } };
}

RecordSet threeCustomers()
{
    return RecordSet(customerFields(),
                     { { QStringLiteral("001"), QStringLiteral("北京远东"), 500,
                         QDateTime(QDate(2026, 1, 2), QTime(8, 0)) },
                       { QStringLiteral("002"), QStringLiteral("Acme"), QVariant(), QVariant() },
                       { QStringLiteral("003"), QStringLiteral("Zenith"), 0, QVariant() } });
}

QStringList codesFromHere(RecordSet &rs)
{
    QStringList codes;
    for (; !rs.Eof(); rs.MoveNext())
        codes.append(rs.Value(0).toString());
    return codes;
}

// Records what a writable record set sends, and fails when told to.
class RecordingWriter : public RowWriter
{
public:
    bool insertRow(const QString &table, const QList<Field> &fields, const QVariantList &values,
                   QString &sMsg) override
    {
        if (!failWith.isEmpty()) {
            sMsg = failWith;
            return false;
        }
        tables.append(table);
        sentFields.append(fields);
        sentValues.append(values);
        return true;
    }

    QString failWith;
    QStringList tables;
    QList<QList<Field>> sentFields;
    QList<QVariantList> sentValues;
};

} // namespace

TEST(RecordSetCursor, EmptySetIsAtBothEndsAndMovingKeepsItThere)
{
    RecordSet rs(customerFields(), {});
    EXPECT_TRUE(rs.IsOpen());
    EXPECT_EQ(rs.State(), adStateOpen);
    EXPECT_TRUE(rs.Eof());
    EXPECT_TRUE(rs.Bof());
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_EQ(rs.AbsolutePosition(), adPosUnknown);
    rs.MoveNext();
    rs.MoveLast();
    rs.MovePrevious();
    EXPECT_TRUE(rs.Eof() && rs.Bof());
    EXPECT_FALSE(rs.Value(0).isValid());
    EXPECT_EQ(rs.FieldCount(), 4) << "an empty result still describes its columns";
}

TEST(RecordSetCursor, WalksForwardAndBackPastBothEnds)
{
    RecordSet rs = threeCustomers();
    EXPECT_FALSE(rs.Bof());
    EXPECT_FALSE(rs.Eof());
    EXPECT_EQ(rs.AbsolutePosition(), 1);
    EXPECT_EQ(codesFromHere(rs), QStringList({ "001", "002", "003" }));
    EXPECT_TRUE(rs.Eof());
    EXPECT_FALSE(rs.Bof());
    EXPECT_EQ(rs.AbsolutePosition(), adPosEOF);
    EXPECT_FALSE(rs.Value(QStringLiteral("cCusCode")).isValid()) << "no current row at EOF";

    rs.MoveNext();
    EXPECT_TRUE(rs.Eof()) << "moving past EOF stays at EOF";
    rs.MovePrevious();
    EXPECT_EQ(rs.Value(0).toString(), QStringLiteral("003"));

    rs.MoveFirst();
    rs.MovePrevious();
    EXPECT_TRUE(rs.Bof());
    EXPECT_FALSE(rs.Eof());
    EXPECT_EQ(rs.AbsolutePosition(), adPosBOF);
    rs.MovePrevious();
    rs.MoveNext();
    EXPECT_EQ(rs.Value(0).toString(), QStringLiteral("001"))
        << "from BOF the next row is the first";

    rs.MoveLast();
    EXPECT_EQ(rs.AbsolutePosition(), 3);
    EXPECT_TRUE(rs.SetAbsolutePosition(2));
    EXPECT_EQ(rs.Value(0).toString(), QStringLiteral("002"));
    EXPECT_FALSE(rs.SetAbsolutePosition(4));
    EXPECT_FALSE(rs.SetAbsolutePosition(0));
    EXPECT_EQ(rs.AbsolutePosition(), 2) << "a refused position leaves the cursor";
}

TEST(RecordSetCursor, ClosedSetHasNothingAndDoesNotCrash)
{
    RecordSet rs;
    EXPECT_FALSE(rs.IsOpen());
    EXPECT_EQ(rs.State(), adStateClosed);
    EXPECT_TRUE(rs.Eof() && rs.Bof());
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_EQ(rs.FieldCount(), 0);
    EXPECT_EQ(rs.FieldIndex(QStringLiteral("x")), -1);
    EXPECT_FALSE(rs.Value(QStringLiteral("x")).isValid());
    EXPECT_FALSE(rs.SetValue(0, 1));
    QString sMsg;
    EXPECT_FALSE(rs.SetFilter(QStringLiteral("x=1"), sMsg));
    EXPECT_FALSE(sMsg.isEmpty());

    RecordSet open = threeCustomers();
    RecordSet other = open;
    open.Close();
    EXPECT_FALSE(open.IsOpen());
    EXPECT_EQ(other.RecordCount(), 3) << "closing one reference leaves the others their rows";
}

TEST(RecordSetFields, LookupIgnoresCaseAndUnknownFieldsGiveNullAndFalse)
{
    RecordSet rs = threeCustomers();
    EXPECT_EQ(rs.FieldIndex(QStringLiteral("cCusName")), 1);
    EXPECT_EQ(rs.FieldIndex(QStringLiteral("CCUSNAME")), 1);
    EXPECT_EQ(rs.FieldIndex(QStringLiteral("ccusname")), 1);
    EXPECT_EQ(rs.Value(QStringLiteral("CCUSNAME")).toString(), QStringLiteral("北京远东"));
    EXPECT_TRUE(rs.HasField(QStringLiteral("icuscreline")));

    bool found = true;
    const QVariant missing = rs.Value(QStringLiteral("cNoSuchField"), found);
    EXPECT_FALSE(found);
    EXPECT_FALSE(missing.isValid());
    EXPECT_FALSE(rs.HasField(QStringLiteral("cNoSuchField")));
    EXPECT_FALSE(rs.Value(-1).isValid());
    EXPECT_FALSE(rs.Value(4).isValid());
    EXPECT_FALSE(rs.SetValue(QStringLiteral("cNoSuchField"), 1));

    rs.Value(QStringLiteral("cCusCode"), found);
    EXPECT_TRUE(found);
}

TEST(RecordSetFields, FirstOfTwoFieldsWithOneNameAnswers)
{
    RecordSet rs({ { QStringLiteral("cCode"), adVarWChar, 10 },
                   { QStringLiteral("CCODE"), adVarWChar, 10 } },
                 { { QStringLiteral("a"), QStringLiteral("b") } });
    EXPECT_EQ(rs.Value(QStringLiteral("cCode")).toString(), QStringLiteral("a"));
    EXPECT_EQ(rs.Value(QStringLiteral("CCODE")).toString(), QStringLiteral("b"))
        << "an exact spelling finds its own field";
    EXPECT_EQ(rs.Value(QStringLiteral("ccode")).toString(), QStringLiteral("a"));
}

TEST(RecordSetFields, NullsStayNullAndShortRowsAreCompleted)
{
    RecordSet rs(customerFields(), { { QStringLiteral("009") } });
    EXPECT_EQ(rs.Value(0).toString(), QStringLiteral("009"));
    EXPECT_TRUE(rs.Value(1).isNull());
    EXPECT_TRUE(rs.Value(3).isNull());

    ErrorLog::instance().clear();
    RecordSet tooLong({ { QStringLiteral("a"), adInteger, 4 } }, { { 1, 2 } });
    EXPECT_EQ(tooLong.Value(0).toInt(), 1);
    ASSERT_FALSE(ErrorLog::instance().entries().isEmpty()) << "dropped values are reported";
    EXPECT_TRUE(ErrorLog::instance().entries().last().text.contains(QStringLiteral("Row 1")));
}

TEST(RecordSetValues, SetValueConvertsToTheFieldTypeOrRefuses)
{
    RecordSet rs = threeCustomers();
    EXPECT_TRUE(rs.SetValue(QStringLiteral("iCusCreLine"), QStringLiteral(" 42 ")));
    EXPECT_EQ(rs.Value(QStringLiteral("iCusCreLine")).typeId(), QMetaType::Int);
    EXPECT_EQ(rs.Value(QStringLiteral("iCusCreLine")).toInt(), 42);

    EXPECT_FALSE(rs.SetValue(QStringLiteral("iCusCreLine"), QStringLiteral("many")));
    EXPECT_FALSE(rs.SetValue(QStringLiteral("iCusCreLine"), 2.5));
    EXPECT_FALSE(rs.SetValue(QStringLiteral("iCusCreLine"), qlonglong(1) << 40))
        << "out of the range of adInteger";
    EXPECT_EQ(rs.Value(QStringLiteral("iCusCreLine")).toInt(), 42)
        << "a refused value changes nothing";

    EXPECT_TRUE(rs.SetValue(QStringLiteral("dCusDevDate"), QStringLiteral("2026-12-06 10:30:00")));
    EXPECT_EQ(rs.Value(QStringLiteral("dCusDevDate")).toDateTime(),
              QDateTime(QDate(2026, 12, 6), QTime(10, 30)));
    EXPECT_FALSE(rs.SetValue(QStringLiteral("dCusDevDate"), QStringLiteral("not a date")));

    EXPECT_TRUE(rs.SetValue(QStringLiteral("cCusName"), 12));
    EXPECT_EQ(rs.Value(QStringLiteral("cCusName")).toString(), QStringLiteral("12"));

    EXPECT_TRUE(rs.SetValue(QStringLiteral("cCusName"), QVariant()));
    EXPECT_TRUE(rs.Value(QStringLiteral("cCusName")).isNull());

    rs.MoveLast();
    rs.MoveNext();
    EXPECT_FALSE(rs.SetValue(0, QStringLiteral("x"))) << "no current row at EOF";
}

TEST(RecordSetValues, BooleanFieldTakesWordsAndNumbers)
{
    RecordSet rs({ { QStringLiteral("bCusState"), adBoolean, 2 } }, { { false } });
    EXPECT_TRUE(rs.SetValue(0, QStringLiteral("True")));
    EXPECT_EQ(rs.Value(0), QVariant(true));
    EXPECT_TRUE(rs.SetValue(0, 0));
    EXPECT_EQ(rs.Value(0), QVariant(false));
    EXPECT_TRUE(rs.SetValue(0, -1)) << "VB's True";
    EXPECT_EQ(rs.Value(0), QVariant(true));
    EXPECT_FALSE(rs.SetValue(0, QStringLiteral("perhaps")));
}

TEST(RecordSetSharing, CloneSharesRowsButNotCursorOrFilter)
{
    RecordSet rs = threeCustomers();
    QString sMsg;
    ASSERT_TRUE(rs.SetFilter(QStringLiteral("cCusCode > '001'"), sMsg)) << qPrintable(sMsg);
    rs.MoveNext();

    RecordSet clone = rs.Clone();
    EXPECT_EQ(clone.RecordCount(), 3) << "the clone does not inherit the filter";
    EXPECT_TRUE(clone.Filter().isEmpty());
    EXPECT_EQ(clone.AbsolutePosition(), 1) << "the clone starts on the first row";
    EXPECT_EQ(rs.AbsolutePosition(), 2);

    clone.MoveLast();
    ASSERT_TRUE(clone.SetValue(QStringLiteral("cCusName"), QStringLiteral("Zenith Ltd")));
    EXPECT_EQ(rs.Value(QStringLiteral("cCusName")).toString(), QStringLiteral("Zenith Ltd"))
        << "a change through the clone is seen through the original";
    EXPECT_EQ(rs.AbsolutePosition(), 2) << "the clone's moves do not move the original";

    RecordSet copy = rs;
    copy.MoveFirst();
    EXPECT_EQ(copy.Filter(), rs.Filter()) << "a copy keeps the filter";
    EXPECT_EQ(copy.RecordCount(), 2);
    EXPECT_EQ(rs.AbsolutePosition(), 2);
}

TEST(RecordSetSharing, ValueAtReadsVisibleRowsWithoutMovingTheCursor)
{
    RecordSet rs = threeCustomers();
    QString sMsg;
    ASSERT_TRUE(rs.SetFilter(QStringLiteral("cCusCode <> '002'"), sMsg));
    EXPECT_EQ(rs.valueAt(1, 0).toString(), QStringLiteral("003"));
    EXPECT_FALSE(rs.valueAt(2, 0).isValid());
    EXPECT_FALSE(rs.valueAt(0, 9).isValid());
    EXPECT_EQ(rs.AbsolutePosition(), 1);
}

TEST(RecordSetSharing, FromCellsSplitsRowsAndCompletesARaggedEnd)
{
    RecordSet rs = RecordSet::fromCells(
        { { QStringLiteral("a"), adInteger, 4 }, { QStringLiteral("b"), adInteger, 4 } },
        { 1, 2, 3, 4, 5 });
    ASSERT_EQ(rs.RecordCount(), 3);
    rs.MoveLast();
    EXPECT_EQ(rs.Value(0).toInt(), 5);
    EXPECT_TRUE(rs.Value(1).isNull());
}

TEST(RecordSetAdding, ReadOnlySetRefusesToAddOrUpdateWithAReason)
{
    RecordSet rs = threeCustomers();
    QString sMsg;
    EXPECT_FALSE(rs.AddNew(sMsg));
    EXPECT_TRUE(sMsg.contains(QStringLiteral("read-only")));
    sMsg.clear();
    EXPECT_FALSE(rs.Update(sMsg));
    EXPECT_TRUE(sMsg.contains(QStringLiteral("read-only")));
    EXPECT_EQ(rs.EditMode(), adEditNone);
    EXPECT_EQ(rs.RecordCount(), 3);

    RecordSet closed;
    EXPECT_FALSE(closed.AddNew(sMsg));
    EXPECT_TRUE(sMsg.contains(QStringLiteral("closed")));
}

TEST(RecordSetAdding, UpdateSendsOnlyTheValuesThatAreSet)
{
    auto writer = std::make_shared<RecordingWriter>();
    RecordSet rs = RecordSet::writable(customerFields(), writer, QStringLiteral("Customer"));
    ASSERT_TRUE(rs.AddNew());
    EXPECT_EQ(rs.EditMode(), adEditAdd);
    EXPECT_FALSE(rs.Eof() || rs.Bof()) << "the new row is the current row";
    EXPECT_TRUE(rs.Value(0).isNull());
    ASSERT_TRUE(rs.SetValue(QStringLiteral("ccuscode"), QStringLiteral("010")));
    ASSERT_TRUE(rs.SetValue(QStringLiteral("iCusCreLine"), 7));
    EXPECT_EQ(rs.RecordCount(), 0) << "the row joins the set when it is stored";

    QString sMsg;
    ASSERT_TRUE(rs.Update(sMsg)) << qPrintable(sMsg);
    ASSERT_EQ(writer->tables, QStringList{ QStringLiteral("Customer") });
    ASSERT_EQ(writer->sentFields.first().size(), 2);
    EXPECT_EQ(writer->sentFields.first().at(0).name, QStringLiteral("cCusCode"));
    EXPECT_EQ(writer->sentFields.first().at(1).name, QStringLiteral("iCusCreLine"));
    EXPECT_EQ(writer->sentValues.first(), QVariantList({ QStringLiteral("010"), 7 }));

    EXPECT_EQ(rs.EditMode(), adEditNone);
    EXPECT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.AbsolutePosition(), 1);
    EXPECT_EQ(rs.Value(QStringLiteral("cCusCode")).toString(), QStringLiteral("010"));
    EXPECT_FALSE(rs.SetValue(QStringLiteral("cCusName"), QStringLiteral("x")))
        << "a stored row of a writable set cannot be changed in memory only";
    EXPECT_TRUE(rs.Update(sMsg)) << "nothing pending is nothing to do";
    EXPECT_EQ(writer->tables.size(), 1);
}

TEST(RecordSetAdding, FailedUpdateKeepsTheRowForAnotherTry)
{
    auto writer = std::make_shared<RecordingWriter>();
    writer->failWith = QStringLiteral("UNIQUE constraint failed: Customer.cCusCode");
    RecordSet rs = RecordSet::writable(customerFields(), writer, QStringLiteral("Customer"));
    ASSERT_TRUE(rs.AddNew());
    rs.SetValue(QStringLiteral("cCusCode"), QStringLiteral("001"));
    rs.SetValue(QStringLiteral("cCusName"), QStringLiteral("重复"));

    QString sMsg;
    EXPECT_FALSE(rs.Update(sMsg));
    EXPECT_EQ(sMsg, writer->failWith);
    EXPECT_EQ(rs.EditMode(), adEditAdd);
    EXPECT_EQ(rs.Value(QStringLiteral("cCusName")).toString(), QStringLiteral("重复"));
    EXPECT_EQ(rs.RecordCount(), 0);

    ErrorLog::instance().clear();
    rs.MoveFirst();
    EXPECT_EQ(rs.EditMode(), adEditAdd) << "a move that cannot store the row stays on it";
    ASSERT_FALSE(ErrorLog::instance().entries().isEmpty());
    EXPECT_EQ(ErrorLog::instance().entries().last().text, writer->failWith);

    EXPECT_FALSE(rs.SetFilter(QStringLiteral("cCusCode='001'"), sMsg));

    writer->failWith.clear();
    ASSERT_TRUE(rs.SetValue(QStringLiteral("cCusCode"), QStringLiteral("011")));
    rs.MoveFirst();
    EXPECT_EQ(rs.EditMode(), adEditNone) << "moving away stores the row, as in ADO";
    EXPECT_EQ(writer->sentValues.first(),
              QVariantList({ QStringLiteral("011"), QStringLiteral("重复") }));
    EXPECT_EQ(rs.RecordCount(), 1);
}

TEST(RecordSetAdding, CancelUpdateReturnsToThePreviousRow)
{
    auto writer = std::make_shared<RecordingWriter>();
    RecordSet rs = RecordSet::writable(customerFields(), writer, QStringLiteral("Customer"));
    rs.AddNew();
    rs.SetValue(0, QStringLiteral("001"));
    QString sMsg;
    ASSERT_TRUE(rs.Update(sMsg));
    rs.AddNew();
    rs.SetValue(0, QStringLiteral("002"));
    rs.CancelUpdate();
    EXPECT_EQ(rs.EditMode(), adEditNone);
    EXPECT_EQ(rs.Value(0).toString(), QStringLiteral("001"));
    EXPECT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(writer->tables.size(), 1);
}

TEST(RecordSetAdding, AddedRowStaysVisibleUnderAFilterItDoesNotMatch)
{
    auto writer = std::make_shared<RecordingWriter>();
    RecordSet rs = RecordSet::writable(customerFields(), writer, QStringLiteral("Customer"));
    QString sMsg;
    ASSERT_TRUE(rs.SetFilter(QStringLiteral("cCusCode = 'zzz'"), sMsg));
    EXPECT_EQ(rs.RecordCount(), 0);
    rs.AddNew();
    rs.SetValue(0, QStringLiteral("001"));
    ASSERT_TRUE(rs.Update(sMsg));
    EXPECT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Value(0).toString(), QStringLiteral("001"));
}

TEST(RecordSetDates, TextInTheFormsDatabasesHoldIsReadAsLocalTime)
{
    const QDate day(2026, 12, 6);
    EXPECT_EQ(dateTimeFromText(u"2026-12-06"), QDateTime(day, QTime(0, 0)));
    EXPECT_EQ(dateTimeFromText(u" 2026-12-06 10:30 "), QDateTime(day, QTime(10, 30)));
    EXPECT_EQ(dateTimeFromText(u"2026-12-06T10:30:05"), QDateTime(day, QTime(10, 30, 5)));
    EXPECT_EQ(dateTimeFromText(u"2026-12-06 10:30:05.1"), QDateTime(day, QTime(10, 30, 5, 100)));
    EXPECT_EQ(dateTimeFromText(u"2026-12-06T10:30:05.357000000"),
              QDateTime(day, QTime(10, 30, 5, 357)));
    EXPECT_EQ(dateTimeFromText(u"2026-12-06T10:30:05Z"), QDateTime(day, QTime(10, 30, 5), Qt::UTC))
        << "a zone is honoured";
    EXPECT_EQ(dateTimeFromText(u"2026-12-06 10:30:05").timeSpec(), Qt::LocalTime);

    for (const char16_t *bad : { u"", u"2026-02-30", u"2026-12-06 25:00", u"2026-12-06 10:30:",
                                 u"2026-12-06 10:30:05.", u"06.12.2026", u"2026-12-06x" })
        EXPECT_FALSE(dateTimeFromText(bad).isValid()) << QString::fromUtf16(bad).toStdString();
}
