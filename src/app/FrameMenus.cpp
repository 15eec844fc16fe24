#include "app/FrameMenus.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

const std::vector<ModuleDef> kModules = {
    {"房产管理", "SB_House", "MainMenuHouse", "TlB_House",
     "房产信息\n"
     "  小区信息 = Region\n"
     "  楼宇信息 = Build\n"
     "  -\n"
     "  房产资源生成 = FCBuild\n",
     "TB_Region 小区 = Region\n"
     "TB_Build 楼宇 = Build\n"
     "TB_FCBuild 资源 = FCBuild [房产资源综合生成]\n"},
    {"业主管理", "SP_Man", "MainMenuMan", "TlB_Man",
     "业主信息\n"
     "  业主登记 = Man\n",
     "TB_Owner 业主 = Man\n"},
    {"收费管理", "SP_Fee", "MainMenuFee", "TlB_Fee",
     "收费管理\n"
     "  生成收费表 = SCYSK\n"
     "  码表登记 = SFee\n"
     "  应收款管理 = YSkgl\n"
     "  收款管理 = Skgl\n"
     "辅助信息\n"
     "  收费标准 = FeeType\n"
     "  项目设置 = XMSet\n"
     "  财务收费设置 = CWSet\n"
     "综合报表\n"
     "  财务报表\n"
     "    应收款 = BBYSK\n"
     "    已收款 = BBSK\n"
     "    综合类\n"
     "      空房管理费清单 = KZF\n"
     "      分项费用回收月统计表 = SFLTJ\n"
     "      月收费汇总表 = SFTJ\n"
     "  房产资源 = FJRZ\n"
     "  企业上报 = Dsend\n",
     "TB_SCYSK 生成 = SCYSK [生成本月收费单]\n"
     "TB_SFee 码表 = SFee [登记本月用量，进行收费]\n"
     "TB_FJL 记费 = FJLJF\n"
     "TB_YSK 应收 = YSkgl [应收款项的管理]\n"
     "TB_SK 收款 = Skgl [收费记录应收项目的管理]\n"
     "|\n"
     "TB_BZSet 标准 = FeeType [设置收费项目]\n"
     "TB_XMSet 设置 = XMSet\n"},
    {"人员管理", "SP_Employee", "MainMenuEmployee", "TlB_Employee",
     "员工管理\n"
     "  员工信息 = Employee\n"
     "  员工奖罚记录 = Award\n",
     "TB_Employee 员工 = Employee\n"
     "TB_Award 奖惩 = Award\n"},
    {"文件管理", "SP_File", "MainMenuFile", "TlB_File",
     "文件管理\n"
     "  收文管理 = Accept\n"
     "  发文管理 = Send\n"
     "  -\n"
     "  合同管理 = Pact\n",
     "TB_Accept 收文 = Accept\n"
     "TB_Send 发文 = Send\n"
     "TB_Pact 合同 = Pact\n"},
    {"库存管理", "SP_Repertory", "MainMenuRepertory", "TlB_Repertory",
     "物品管理\n"
     "  入库登记 = Input\n"
     "  出库登记 = Output\n"
     "库存信息\n"
     "  库存查询 = Repertory\n"
     "  出入库查询 = Ioselect\n",
     "TB_Input 入库 = Input\n"
     "TB_Output 出库 = Output\n"
     "TB_Select 查询 = Ioselect\n"},
    {"设备管理", "SP_Fixing", "MainMenuFixing", "TlB_Fixing",
     "人员工具\n"
     "  常用工具 = Tools\n"
     "  工程人员 = BoanEmp/工程\n"
     "设备备件\n"
     "  设备明细 = Fixing\n"
     "  备件明细 = Spare\n"
     "工作记录\n"
     "  设备维修记录 = Mend\n"
     "  设备保养记录 = Egis\n",
     "TB_Fixing 设备 = Fixing\n"
     "TB_Beijian 备件 = Spare\n"
     "TB_Maintain 维修 = Mend\n"
     "TB_Baoyang 保养 = Egis\n"},
    {"事务管理", "SP_Affair", "MainMenuAffair", "TlB_Affair",
     "客户服务\n"
     "  投诉 = Appeal\n"
     "普通事务\n"
     "  计划 = Plans\n"
     "  -\n"
     "  培训 = Peix\n"
     "  活动 = Campaign\n"
     "  会议 = Meeting\n"
     "  -\n"
     "  工程 = Projects\n"
     "辅助信息\n"
     "  工程类别 = PrjType\n"
     "  -\n"
     "  会议类别 = MeetType\n"
     "  活动类别 = HuodType\n"
     "  培训类别 = PeixType\n",
     "TB_Appeal 投诉 = Appeal\n"
     "TB_Jihua 计划 = Plans\n"
     "TB_Peixun 培训 = Peix\n"
     "TB_Meet 会议 = Meeting\n"
     "TB_Proj 工程 = Projects\n"},
    {"安全保洁", "SP_Safety", "MainMenuSafety", "TlB_Safety",
     "保安管理\n"
     "  保安用品 = BoanUse\n"
     "  保安人员 = BoanEmp/保安\n"
     "  -\n"
     "  岗位设置 = BoanPost\n"
     "  人员派工 = BoanPaiG\n"
     "  -\n"
     "  巡检记录 = Patrol\n"
     "  突发事件 = BoanAffair\n"
     "  [访客出入登记]\n"
     "  [物品出入登记]\n"
     "环卫管理\n"
     "  环卫用品 = BojeUse\n"
     "  环卫人员 = BojeEmp\n"
     "  -\n"
     "  环卫区划分 = BojePost\n"
     "  人员派工 = BojePaiG\n"
     "  -\n"
     "  保洁记录 = BojeWork\n"
     "消防管理\n"
     "  消防设施 = FirUse\n"
     "  检查记录 = FirCheck\n"
     "车辆管理\n"
     "  车辆登记 = Car\n"
     "  车位登记 = CarPosit\n"
     "  [车位使用情况]\n",
     "TB_Patrol 巡检 = Patrol\n"
     "TB_Boje 保洁 = BojeWork\n"
     "TB_CarP 车位 = CarPosit\n"},
    {"数据管理", "SP_Data", "MainMenuData", "TlB_Data",
     "数据维护\n"
     "  常规数据\n"
     "    学历维护 = XL\n"
     "    职称维护 = Job\n"
     "    政治面貌 = ZHz\n"
     "    证件类型 = ZHj\n"
     "    民族 = Folk\n"
     "    家庭关系 = Nexus\n"
     "  专用数据\n"
     "    房产业主信息\n"
     "      户型类别 = RoomT\n"
     "      使用类别 = UseType\n"
     "    [收费信息]\n"
     "      费用类别 = FeeT\n"
     "      计费公式\n"
     "      参数表\n"
     "    文件信息\n"
     "      文件类型 = FileT\n"
     "    物资信息\n"
     "      物资类别 = RpT\n"
     "      [品名表] = PinM\n"
     "    设备信息\n"
     "      系统类别 = FixS\n"
     "      设备类别 = FixT\n"
     "  -\n"
     "  数据总清 = !clear\n"
     "  -\n"
     "  数据备份 = !backup\n"
     "  数据恢复 = !restore\n",
     "TB_Backup 数据备份 = !backup\n"
     "TB_Restore 数据恢复 = !restore\n"},
    {"系统管理", "SP_System", "MainMenuSystem", "TlB_System",
     "系统设置\n"
     "  用户设置 = System\n"
     "  公司信息 = Co\n",
     "TB_User 用户 = System\n"
     "TB_Co 公司 = Co\n"},
};

}  // namespace

const std::vector<ModuleDef>& frameModules()
{
    return kModules;
}

std::vector<MenuLine> parseMenuOutline(const QString& outline)
{
    std::vector<MenuLine> out;
    static const QRegularExpression entry(QStringLiteral("^(\\[?)([^\\]=]+?)\\]?\\s*(?:=\\s*(\\S+))?$"));
    for (const QString& raw : outline.split(u'\n', Qt::SkipEmptyParts)) {
        int spaces = 0;
        while (spaces < raw.size() && raw[spaces] == u' ')
            ++spaces;
        MenuLine m;
        m.depth = spaces / 2;
        const QString text = raw.mid(spaces).trimmed();
        if (text == u"-") {
            m.separator = true;
        } else {
            const auto r = entry.match(text);
            m.hidden = !r.captured(1).isEmpty();
            m.caption = r.captured(2).trimmed();
            m.target = r.captured(3);
        }
        out.push_back(m);
    }
    return out;
}

std::vector<ToolLine> parseToolButtons(const QString& text)
{
    std::vector<ToolLine> out;
    static const QRegularExpression line(QStringLiteral("^(\\S+)\\s+(\\S+)\\s*=\\s*(\\S+)\\s*(?:\\[(.*)\\])?$"));
    for (const QString& raw : text.split(u'\n', Qt::SkipEmptyParts)) {
        ToolLine t;
        if (raw.trimmed() == u"|") {
            t.divider = true;
        } else {
            const auto r = line.match(raw.trimmed());
            t.name = r.captured(1);
            t.caption = r.captured(2);
            t.target = r.captured(3);
            t.hint = r.captured(4);
        }
        out.push_back(t);
    }
    return out;
}
