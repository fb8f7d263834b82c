#include "batch/BatchGuards.h"

#include "entry/SessionContext.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/IPub.h"

namespace customer {

namespace {

// The task of batch modify under its function; its negative gives it back.
constexpr int kBatchModifyTask = 7;

} // namespace

BatchFunctionLock::~BatchFunctionLock()
{
    release();
}

bool BatchFunctionLock::take()
{
    if (!g_oPub || g_oPub->IsLockFun(g_oSrv, g_oLogin, m_function, kBatchModifyTask))
        return false;
    m_held = true;
    return true;
}

void BatchFunctionLock::release()
{
    if (!m_held)
        return;
    m_held = false;
    g_oPub->IsLockFun(g_oSrv, g_oLogin, m_function, -kBatchModifyTask);
}

BatchTransaction::~BatchTransaction()
{
    rollback();
}

bool BatchTransaction::begin()
{
    m_open = g_oSrv && g_oSrv->m_cnn().BeginTrans();
    return m_open;
}

bool BatchTransaction::commit()
{
    if (!m_open || !g_oSrv->m_cnn().CommitTrans())
        return false;
    m_open = false;
    return true;
}

void BatchTransaction::rollback()
{
    if (!m_open)
        return;
    m_open = false;
    g_oSrv->m_cnn().RollbackTrans();
}

} // namespace customer
