#include "suite/core/ObjectFactory.h"
#include "suite/core/ErrorLog.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace suite;

namespace {

class Greeter : public SuiteObject
{
public:
    virtual QString greet() const = 0;
};

class ChineseGreeter : public Greeter
{
public:
    QString greet() const override { return QStringLiteral("你好"); }
};

class ObjectFactoryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ObjectFactory::instance().registerClass(kProgId,
                                                [] { return std::make_shared<ChineseGreeter>(); });
    }
    void TearDown() override { ObjectFactory::instance().unregisterClass(kProgId); }

    const QString kProgId = QStringLiteral("TestSuite.IGreeter");
};

} // namespace

TEST_F(ObjectFactoryTest, CreatesRegisteredClassWhateverTheCaseOfTheProgId)
{
    const auto greeter = createObject<Greeter>(QStringLiteral("testsuite.igreeter"));
    ASSERT_TRUE(greeter);
    EXPECT_EQ(greeter->greet(), QStringLiteral("你好"));
    EXPECT_NE(createObject<Greeter>(kProgId), greeter) << "every call creates a new object";
}

TEST_F(ObjectFactoryTest, UnknownProgIdOrWrongInterfaceGivesNothing)
{
    EXPECT_FALSE(createObject(QStringLiteral("TarnNothing.INothing")));
    struct Other : SuiteObject
    { };
    EXPECT_TRUE(createObject(kProgId));
    EXPECT_FALSE((std::dynamic_pointer_cast<Other>(createObject(kProgId))));
}

TEST_F(ObjectFactoryTest, ScopedUnregistrationReachesTheCannotBeCreatedRoadAndRestores)
{
    {
        ScopedUnregistration gone(kProgId);
        EXPECT_FALSE(ObjectFactory::instance().isRegistered(kProgId));
        EXPECT_FALSE(createObject(kProgId));
    }
    EXPECT_TRUE(ObjectFactory::instance().isRegistered(kProgId));
    EXPECT_TRUE(createObject<Greeter>(kProgId));
}

TEST_F(ObjectFactoryTest, ConstructorThatThrowsCountsAsNotCreatableAndIsLogged)
{
    const QString broken = QStringLiteral("TestSuite.Broken");
    ObjectFactory::instance().registerClass(
        broken, []() -> SuiteObjectPtr { throw std::runtime_error("licence file missing"); });
    ErrorLog::instance().clear();
    EXPECT_FALSE(createObject(broken));
    ObjectFactory::instance().unregisterClass(broken);
    const auto entries = ErrorLog::instance().entries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries.first().level, ErrorLog::Level::Error);
    EXPECT_TRUE(entries.first().where.contains(broken));
    EXPECT_EQ(entries.first().text, QStringLiteral("licence file missing"));
}
