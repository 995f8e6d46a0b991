#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz target: the sample runs of both layouts,
a run with rejected records and observations, hostile values."""
import os

OPS = ['Registro10_CAT10207', 'Registro20_CAT10207', 'Registro30_CAT10207', 'Registro40_CAT10207',
       'Registro50_CAT10207', 'Registro60_CAT10207', 'Registro90_CAT10207', 'Registro20_CAT9807',
       'Registro21_CAT9807', 'Registro22_CAT9807', 'Registro90_CAT9807', 'IsVIZorududeDate', 'vCPF', 'vCNPJ',
       'vUF', 'vCEP_UF', 'vLeiaute', 'vCST', 'vCOD_CFOP', 'vCOD_NCM', 'vInd_tipo_frete', 'vFunc_Reg', 'vxJust',
       'vtpNF', 'vItemNF', 'vSerie_NFVC', 'vEntrega_Domicilio', 'vRealiza_Venda_Prazo', 'vTipo_Receita',
       'RemoveAlfaInvalid', 'RemoveNumInvalid', 'Inicia_NF_Paulista', 'Finaliza_NF_Paulista', 'Info_Versao']

def op(nome, *args):
    b = bytes([OPS.index(nome)])
    for a in args:
        if a is None:
            b += b'\xff'
            continue
        v = a.encode('cp1252') if isinstance(a, str) else a
        b += (bytes([254, len(v) & 255, len(v) >> 8]) if len(v) >= 254 else bytes([len(v)])) + v
    return b

C = '11222333000181'
r10 = op('Registro10_CAT10207', '1,00', C, '10/10/2007', '17/10/2007')
r20 = op('Registro20_CAT10207', 'I', None, 'Venda a Consumidor Final', '0', '20956', '10/10/2007 10:00:00',
         '10/10/2007 10:00:00', '1', '5102', '000000000000', '000000000000', C, 'Casa F', 'R São Manoel', '176',
         'apto 18', 'Centro', 'São Paulo', 'SP', '10100000', 'Brasil', '5550723', None)
r30 = op('Registro30_CAT10207', 'Produto 0', 'Pinga tipo 0', '22060090', 'caixa', '1,0000', '5,0000', '5,00',
         '010', '18,00', '6,00', '10,00')
r40 = op('Registro40_CAT10207', *['1,00'] * 14)
r50 = op('Registro50_CAT10207', '0', C, 'T', '0', 'Av', 'SP', 'SP', 'ABC1234', 'SP', '1', 'l', 'X', '1', '1,000',
         '1,500')
r60 = op('Registro60_CAT10207', 'a', 'b', 'c')
r90 = op('Registro90_CAT10207')
s20 = op('Registro20_CAT9807', '1', '123456', '123456789', '10/10/1984', '10/10/1984', C, 'Empresa', 'Rua', '123',
         'Loja', 'Centro', 'São Paulo', 'SP', '01310100', '55501234', '15,00', '0,00', '0,00', '0,00', '0,00',
         'Texto', '15,00', 'Texto', 'Texto', '2', None, None, None, None, None, None, '2', '15,00', '15,00', '0')
s21 = op('Registro21_CAT9807', '1', '123456', '1', 'Descricao', 'Kg', '1,00', '1,00', '1,00')
s22 = op('Registro22_CAT9807', '1,00', '12/02/2008')
s90 = op('Registro90_CAT9807')
fim = op('Finaliza_NF_Paulista')

sementes = {
    'cat10207': r10 + r20 + r30 + r40 + r50 + r60 + r90 + fim,
    'cat9807': r10 + s20 + s21 + s22 + s90 + fim,
    'cancelada': r10 + op('Registro20_CAT10207', 'C', 'motivo', *(['x'] * 21)) + r30 + r40 + r20 + r30 + r90 + r90,
    'fora_de_execucao': fim + r10 + r60 + op('Inicia_NF_Paulista') + r10 + r10,
    'hostil': r10 + op('Registro60_CAT10207', '%s%n%x' * 20, b'\r\n|!\t' * 30, bytes(range(1, 256))) +
              op('Registro30_CAT10207', *([None] * 11)) + op('vCPF', b'\xff' * 300) +
              op('RemoveAlfaInvalid', bytes(range(1, 256)) * 4) + op('vCOD_NCM', '2206009') +
              op('vCOD_CFOP', '6102') + op('vxJust', None, 'C'),
    'validadores': b''.join(op(n, '1') for n in OPS[11:31] if n not in ('vCEP_UF', 'vxJust')) +
                   op('vCEP_UF', '01310100', 'SP') + op('Info_Versao'),
}
pasta = os.path.join(os.path.dirname(__file__), 'corpus')
os.makedirs(pasta, exist_ok=True)
for nome, dados in sementes.items():
    open(os.path.join(pasta, nome), 'wb').write(dados)
