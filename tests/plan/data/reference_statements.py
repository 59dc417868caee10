#!/usr/bin/python3
"""Works out a plan's statements from its JSON file with Python's decimal module, at 60
significant digits, straight from the plan's rules, and writes them in the statements
CSV format. The expected files beside it come from this script:

    tests/plan/data/reference_statements.py tests/plan/data/<case>/plan.json \
        > tests/plan/data/<case>/statements.csv

It shares no code with the program; the test suite reads only the CSV files."""

import datetime
import json
import sys
from decimal import Decimal as D, ROUND_HALF_UP, getcontext

getcontext().prec = 60
MONTHS = 36
CENT = D("0.01")


def cents(value):
    # Half away from zero: ROUND_HALF_UP in the decimal module.
    return value.quantize(CENT, rounding=ROUND_HALF_UP)


def power(base, exponent):
    # x^0 is 1 for every x, 0 included (the decimal module leaves 0^0 undefined).
    return base ** exponent if exponent > 0 else D(1)


def zeros():
    return [D(0)] * (MONTHS + 1)  # index 0 unused


def statements(plan):
    revenue, direct, expenses, salaries = zeros(), zeros(), zeros(), zeros()
    depreciation, purchases, fixed = zeros(), zeros(), zeros()
    received, interest, principal, outstanding, investments = zeros(), zeros(), zeros(), zeros(), zeros()

    for s in plan["revenue"]:
        start, first = s["startMonth"], D(s["firstQuantity"])
        growth = 1 + D(s["monthlyGrowthPercent"]) / 100
        keep = 1 - D(s["churnPercent"]) / 100
        customers = D(0)
        for m in range(1, MONTHS + 1):
            new = first * power(growth, m - start) if m >= start else D(0)
            if s["kind"] == "Recurring":
                customers = customers * keep + new
                units = customers
            else:
                units = new
            income = units * D(s["price"])
            revenue[m] += income
            direct[m] += income * D(s["directCostPercent"]) / 100 + units * D(s["directCostPerUnit"])

    for p in plan["people"]:
        end = p["endMonth"] or MONTHS
        for m in range(p["startMonth"], end + 1):
            salaries[m] += D(p["monthlySalary"])

    for e in plan["expenses"]:
        growth = 1 + D(e["monthlyGrowthPercent"]) / 100
        for m in range(e["startMonth"], MONTHS + 1):
            if e["oneOff"]:
                if m == e["startMonth"]:
                    expenses[m] += D(e["amount"])
            else:
                expenses[m] += D(e["amount"]) * power(growth, m - e["startMonth"])

    for a in plan["assets"]:
        cost, life, bought = D(a["cost"]), a["lifeMonths"], a["month"]
        monthly = cents(cost / life)
        taken = D(0)
        purchases[bought] -= cost
        for m in range(bought, MONTHS + 1):
            k = m - bought + 1
            if k <= life:
                part = cost - taken if k == life else min(monthly, cost - taken)
                depreciation[m] += part
                taken += part
            fixed[m] += cost - taken

    for f in plan["financing"]:
        amount, month = D(f["amount"]), f["month"]
        if f["kind"] == "Investment":
            investments[month] += amount
            continue
        received[month] += amount
        rate = D(f["annualInterestPercent"]) / 1200
        n = f["termMonths"]
        if rate == 0:
            payment = cents(amount / n)
        else:
            payment = cents(amount * rate / (1 - (1 + rate) ** -n))
        balance = amount
        outstanding[month] += balance
        for k in range(1, MONTHS - month + 1):
            m = month + k
            if k <= n and balance != 0:
                i = cents(balance * rate)
                repaid = payment - i
                if k == n or repaid > balance:
                    repaid = balance
                interest[m] += i
                principal[m] -= repaid
                balance -= repaid
            outstanding[m] += balance

    rev = [cents(x) for x in revenue]
    dc = [cents(x) for x in direct]
    exp = [cents(x) for x in expenses]
    burden = [cents(x * D(plan["payrollBurdenPercent"]) / 100) for x in salaries]
    gm = [rev[m] - dc[m] for m in range(MONTHS + 1)]
    op = [gm[m] - salaries[m] - burden[m] - exp[m] - depreciation[m] for m in range(MONTHS + 1)]
    ibt = [op[m] - interest[m] for m in range(MONTHS + 1)]
    tax = zeros()
    rate = D(plan["taxRatePercent"]) / 100
    for year in range(3):
        to_date, before = D(0), D(0)
        for m in range(year * 12 + 1, year * 12 + 13):
            to_date += ibt[m]
            now = max(D(0), cents(rate * to_date))
            tax[m] = now - before
            before = now
    net = [ibt[m] - tax[m] for m in range(MONTHS + 1)]
    flow = [net[m] + depreciation[m] + purchases[m] + received[m] + principal[m] + investments[m]
            for m in range(MONTHS + 1)]
    cash, paid, retained = zeros(), zeros(), zeros()
    c, p, r = D(plan["startingCash"]), D(plan["startingCash"]), D(0)
    for m in range(1, MONTHS + 1):
        c += flow[m]
        p += investments[m]
        r += net[m]
        cash[m], paid[m], retained[m] = c, p, r
    total_assets = [cash[m] + fixed[m] for m in range(MONTHS + 1)]
    total_le = [outstanding[m] + paid[m] + retained[m] for m in range(MONTHS + 1)]
    assert total_assets[1:] == total_le[1:], "the balance sheet does not balance"

    SUM, LAST = "sum", "last"
    return [
        ("Profit and loss", [("Revenue", rev, SUM), ("Direct costs", dc, SUM), ("Gross margin", gm, SUM),
                             ("Salaries", salaries, SUM), ("Payroll burden", burden, SUM),
                             ("Expenses", exp, SUM), ("Depreciation", depreciation, SUM),
                             ("Operating income", op, SUM), ("Interest", interest, SUM),
                             ("Income before tax", ibt, SUM), ("Income tax", tax, SUM),
                             ("Net income", net, SUM)]),
        ("Cash flow", [("Net income", net, SUM), ("Depreciation", depreciation, SUM),
                       ("Asset purchases", purchases, SUM), ("Loans received", received, SUM),
                       ("Principal repaid", principal, SUM), ("Investments", investments, SUM),
                       ("Net cash flow", flow, SUM), ("Cash at end of month", cash, LAST)]),
        ("Balance sheet", [("Cash", cash, LAST), ("Fixed assets", fixed, LAST),
                           ("Total assets", total_assets, LAST), ("Loans outstanding", outstanding, LAST),
                           ("Paid-in capital", paid, LAST), ("Retained earnings", retained, LAST),
                           ("Total liabilities and equity", total_le, LAST)]),
    ]


def text(amount):
    amount = cents(amount)
    return "0.00" if amount == 0 else "%s" % amount


def main():
    plan = json.load(open(sys.argv[1], encoding="utf-8"))
    year, month = map(int, plan["firstMonth"].split("-"))
    header = ["Statement", "Line"]
    for k in range(MONTHS):
        index = year * 12 + month - 1 + k
        header.append("%04d-%02d" % (index // 12, index % 12 + 1))
    header += ["Year 1", "Year 2", "Year 3"]
    rows = [header]
    for statement, lines in statements(plan):
        for name, values, year_kind in lines:
            row = [statement, name] + [text(values[m]) for m in range(1, MONTHS + 1)]
            for y in range(3):
                months = values[y * 12 + 1:y * 12 + 13]
                row.append(text(sum(months, D(0)) if year_kind == "sum" else months[-1]))
            rows.append(row)
    sys.stdout.buffer.write("".join(",".join(row) + "\r\n" for row in rows).encode("utf-8"))


main()
