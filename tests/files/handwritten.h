#pragma once

#include <string>

namespace korvex::test {

// A collection file written by hand, not by the program's writer: one area with every required
// part and one coin. Each member holds one part, so that a test can drop or change it.
struct HandWritten {
  std::string version = "1.0";
  std::string area_attributes = R"(category="1" name="A" short="ABC" menu="yes" icon="no")";
  std::string area_cells = R"(<cells><cell type="item" width="50" align="right"/></cells>)";
  std::string coin_attributes = R"(item="5" category="1")";
  std::string coin_number =
      "<number><schoen>S1</schoen><jaeger/><cohen/><ric/><yeoman/><other1>O</other1></number>";
  std::string coin_optional =
      R"(<validtil>2030</validtil><case active="yes"/><certificate active="no"/><theme>T</theme>)";
  std::string coin_width = "<width>2.50</width>";
  std::string coin_extra =
      R"(<extra><z1>a</z1><z2>b</z2><z3/><z4/><z5/></extra>)";
  std::string purchase_date = "<year>2001</year><month>2</month><day>3</day>";
  std::string options = R"(<currency>DM</currency><category>1</category><orders active="yes"/>)";

  std::string Area() const {
    return "<category " + area_attributes + R"(><icon>i.ico</icon><item active="yes"/>)"
           R"(<quality active="yes"/><number><number category="schoen" active="yes"/>)"
           R"(<number category="ric" active="no"/><number category="other1" active="yes" name="Frei"/></number>)"
           R"(<count active="yes"/><mintlocation active="yes"/><numeral active="yes"/>)"
           R"(<currency active="yes"/><location active="yes"/><country active="yes"/>)"
           R"(<master active="yes"/><city active="yes"/>)"
           R"(<prices><catalogue active="yes"/><estimate active="no"/></prices>)"
           R"(<purchases><count active="no"/><purchaseprice active="yes"/><purchasedate active="yes"/><dealer active="yes"/></purchases>)"
           R"(<weight><mint active="yes"/><fine active="yes"/><standard active="yes"/></weight>)"
           R"(<diameter><minimum active="yes"/><maximum active="yes"/></diameter>)"
           R"(<circulation active="yes"/>)"
           R"(<avers><motive active="yes"/><artist active="yes"/><picture active="yes"/></avers>)"
           R"(<revers><motive active="yes"/><artist active="yes"/><picture active="yes"/></revers>)"
           R"(<alloy active="yes"/><border active="yes"/>)"
           R"(<extra><z1 active="yes" desc="no">Erstes</z1><z2 active="yes" desc="yes">Zweites</z2>)"
           R"(<z3 active="no" desc="no"/><z4 active="no" desc="no"/><z5 active="no" desc="no"/></extra>)" +
           area_cells + "</category>";
  }

  std::string Coin() const {
    return "<mint " + coin_attributes + "><quality>ss</quality>" + coin_number +
           "<count>2</count><mintlocation>A</mintlocation><numeral>1</numeral>"
           "<currency>Mark</currency><location/><country/><master/><city/><year>1900</year>" +
           coin_optional +
           "<prices><catalogue>1.5</catalogue><estimate></estimate></prices>"
           "<purchases><count>4</count><purchaseprice>-2e1</purchaseprice><purchasedate>" +
           purchase_date +
           "</purchasedate><dealer>D</dealer></purchases>"
           "<weight><mint>3</mint><fine>1.25</fine><standard>925</standard></weight>"
           "<diameter><minimum>20.000</minimum><maximum>21</maximum></diameter>"
           "<circulation>-9223372036854775808</circulation>"
           "<avers><motive>m</motive><artist/><picture>a.jpg</picture></avers>"
           "<revers><motive/><artist/><picture/></revers>" +
           coin_width + "<date>d</date><alloy/><border/>" + coin_extra +
           "<changes><creation><year>0</year><month>0</month><day>0</day></creation>"
           "<count>7</count><last><year>2020</year><month>12</month><day>31</day></last></changes>"
           "<description>a\nb</description></mint>";
  }

  std::string Document() const {
    return "<deduvidarov><fileinfo><version>" + version +
           "</version><program name=\"Korvex\" version=\" - Version 3.1.3\"/></fileinfo><options>" +
           options +
           "</options><categories><category category=\"0\"><cells>"
           "<cell type=\"quality\" width=\"30\" align=\"left\"/></cells></category>" +
           Area() + "</categories><mintlist>" + Coin() + "</mintlist></deduvidarov>";
  }
};

}  // namespace korvex::test
