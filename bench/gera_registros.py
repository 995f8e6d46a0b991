#!/usr/bin/env python3
"""Writes a CAT 102/07 record file for `tavro gerar` with about N lines:
invoices of one record 20, five records 30 with NCM codes drawn from the real
list, 40, 50 and 60, then the trailer. UTF-8.

    bench/gera_registros.py 100000 data/ncm.res > massa.txt
"""
import random
import sys

linhas_alvo = int(sys.argv[1])
ncm = [l[:8].decode('ascii') for l in open(sys.argv[2], 'rb').read().split(b'\n') if len(l) >= 8]
random.seed(2026)
cnpj = '11222333000181'
saida = ['10|1,00|%s|01/12/2026|31/12/2026' % cnpj]
nota = 0
while len(saida) < linhas_alvo - 1:
    nota += 1
    saida.append('20|I||Venda a Consumidor Final|1|%d|10/12/2026 10:00:00|10/12/2026 10:00:00|1|5102|'
                 '000000000000|000000000000|%s|Casa F|R São Manoel|176|apto 18|Centro|São Paulo|SP|'
                 '10100000|Brasil|5550723|' % (nota, cnpj))
    for i in range(5):
        saida.append('30|P%d|Produto %d|%s|un|%d,0000|%d,5000|%d,50|010|18,00|0,00|0,00'
                     % (i, i, random.choice(ncm), i + 1, i + 2, (i + 1) * (i + 2)))
    saida.append('40|10,00|1,80|0,00|0,00|50,00|0,00|0,00|0,00|0,00|0,00|50,00|0,00|0,00|0,00')
    saida.append('50|0|%s|Transportadora|000000000000|Av. Central, 1|Sao Paulo|SP|ABC1234|SP|1|caixa|X|1|1,000|1,200'
                 % cnpj)
    saida.append('60|Fatura %d|Fisco|Contribuinte' % nota)
saida.append('90')
sys.stdout.write('\n'.join(saida) + '\n')
