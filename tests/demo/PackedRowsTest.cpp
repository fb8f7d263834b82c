#include "demo/PackedRows.h"
#include "demo/RowPipeline.h"

#include <gtest/gtest.h>

#include <thread>

using demo::DemoTable;
using demo::PackedRows;
using demo::PackedValue;

TEST(PackedRows, GiveBackEveryKindOfValueInOrder)
{
    PackedRows rows;
    rows.append(DemoTable::Customer,
                { QStringLiteral("0000001"), QVariant(), 42, true, 12.5, QString(),
                  QStringLiteral("北京华信电子有限公司") });
    rows.append(DemoTable::Receivable, { qint64(1) << 40 });
    EXPECT_EQ(rows.rowCount(), 2);

    PackedRows::Reader reader(rows);
    int count = 0;
    ASSERT_EQ(reader.nextRow(count), DemoTable::Customer);
    ASSERT_EQ(count, 7);
    PackedValue value = reader.nextValue();
    EXPECT_EQ(value.kind, PackedValue::Text);
    EXPECT_EQ(QByteArray(value.text, value.length), "0000001");
    EXPECT_EQ(reader.nextValue().kind, PackedValue::Null);
    EXPECT_EQ(reader.nextValue().integer, 42);
    value = reader.nextValue();
    EXPECT_EQ(value.kind, PackedValue::Integer);
    EXPECT_EQ(value.integer, 1);
    value = reader.nextValue();
    EXPECT_EQ(value.kind, PackedValue::Real);
    EXPECT_EQ(value.real, 12.5);
    // An empty text stays a text, distinct from NULL.
    value = reader.nextValue();
    EXPECT_EQ(value.kind, PackedValue::Text);
    EXPECT_EQ(value.length, 0);
    value = reader.nextValue();
    EXPECT_EQ(QString::fromUtf8(value.text, value.length), QStringLiteral("北京华信电子有限公司"));
    EXPECT_FALSE(reader.atEnd());
    ASSERT_EQ(reader.nextRow(count), DemoTable::Receivable);
    EXPECT_EQ(reader.nextValue().integer, qint64(1) << 40);
    EXPECT_TRUE(reader.atEnd());
}

TEST(RowPipeline, DeliversBatchesInOrderThenEnds)
{
    demo::RowPipeline pipeline(2);
    std::thread producer([&] {
        for (int n = 1; n <= 50; ++n) {
            demo::RowPipeline::Batch batch;
            batch.customersDone = n;
            ASSERT_TRUE(pipeline.push(std::move(batch)));
        }
        pipeline.finish();
    });
    demo::RowPipeline::Batch batch;
    int expected = 1;
    while (pipeline.pop(batch))
        EXPECT_EQ(batch.customersDone, expected++);
    producer.join();
    EXPECT_EQ(expected, 51);
}

TEST(RowPipeline, AnAbortReleasesAWaitingProducer)
{
    demo::RowPipeline pipeline(1);
    bool lastPush = true;
    std::thread producer([&] {
        while (lastPush)
            lastPush = pipeline.push(demo::RowPipeline::Batch());
    });
    demo::RowPipeline::Batch batch;
    ASSERT_TRUE(pipeline.pop(batch));
    pipeline.abort();
    producer.join();
    EXPECT_FALSE(lastPush);
    EXPECT_FALSE(pipeline.pop(batch));
}
