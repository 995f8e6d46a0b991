/* A host written in plain C against the public header: proves the header is
 * C and drives the sample runs whose files the test compares with the
 * fixtures.
 *   host_c amostra-102 SAIDA ENTRADA   the CAT 102/07 sample run
 *   host_c amostra-98  SAIDA ENTRADA   the CAT 98/07 sample run
 *   host_c vazia       SAIDA ENTRADA   start and end (the empty run's log), then a
 *                                      record outside the run
 *   host_c avisos      SAIDA ENTRADA   start over the files of an earlier run
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "tavrolib/tavrolib.h"

static const char *CNPJ = "11222333000181";
static int falhas = 0;

static void TAVRO_CALL mostra(const char *texto) {
    fprintf(stderr, "mensagem: %s\n", texto);
    falhas++;
}

static void espera(int obtido, int esperado, const char *oque) {
    if (obtido != esperado) {
        fprintf(stderr, "%s: %d, esperado %d\n", oque, obtido, esperado);
        falhas++;
    }
}

static char *le(const char *dir, const char *nome, long *tamanho) {
    char caminho[4096];
    snprintf(caminho, sizeof caminho, "%s/%s", dir, nome);
    FILE *f = fopen(caminho, "rb");
    if (!f) return NULL;
    fseek(f, 0, SEEK_END);
    *tamanho = ftell(f);
    fseek(f, 0, SEEK_SET);
    char *b = malloc((size_t)*tamanho + 1);
    if (fread(b, 1, (size_t)*tamanho, f) != (size_t)*tamanho) *tamanho = -1;
    fclose(f);
    return b;
}

static void amostra102(void) {
    espera(Registro10_CAT10207("1,00", CNPJ, "10/10/2007", "17/10/2007"), 0, "10");
    espera(Registro20_CAT10207("I", NULL, "Venda a Consumidor Final", "0", "20956", "10/10/2007 10:00:00",
                               "10/10/2007 10:00:00", "1", "5102", "000000000000", "000000000000", CNPJ, "Casa F",
                               "R S\xE3o Manoel", "176", "apto 18", "Centro", "S\xE3o Paulo", "SP", "10100000",
                               "Brasil", "5550723", NULL), 0, "20");
    espera(Registro30_CAT10207("Produto 0", "Pinga tipo 0", "22060090", "caixa", "1,0000", "5,0000", "5,00", "010",
                               "18,00", "6,00", "10,00"), 0, "30");
    espera(Registro40_CAT10207("69,01", "1234,56", "45,78", "123,45", "100,10", "20,02", "10,01", "30,00", "5,00",
                               "1,00", "229,58", "234,00", "6,00", "154,00"), 0, "40");
    espera(Registro50_CAT10207("0", CNPJ, "Transportadora Xing Ling", "000000000000", "Av. da Lentidao, 321",
                               "Sao Paulo", "SP", "ABC1234", "SP", "123456789012345", "litros", "Xing Ling",
                               "123456789", "123,000", "154,064"), 0, "50");
    espera(Registro60_CAT10207("Dados da fatura", "Informacoes adicionais de interesse do Fisco",
                               "Informacoes complementares de interesse do contribuinte"), 0, "60");
    espera(Registro90_CAT10207(), 0, "90");
}

static void amostra98(void) {
    espera(Registro10_CAT10207("1,00", CNPJ, "10/10/2007", "17/10/2007"), 0, "10");
    espera(Registro20_CAT9807("1", "123456", "123456789", "10/10/1984", "10/10/1984", CNPJ, "Empresa Exemplo Ltda",
                              "Rua das Flores", "123", "Loja", "Centro", "S\xE3o Paulo", "SP", "01310100", "55501234",
                              "15,00", "0,00", "0,00", "0,00", "0,00", "Texto Livre", "15,00", "Texto Livre",
                              "Texto Livre", "2", NULL, NULL, NULL, NULL, NULL, NULL, "2", "15,00", "15,00", "0"),
           0, "20");
    espera(Registro21_CAT9807("1", "123456", "1", "Descricao da mercadoria", "Kg", "1,00", "1,00", "1,00"), 0, "21");
    espera(Registro22_CAT9807("1,00", "12/02/2008"), 0, "22");
    espera(Registro90_CAT9807(), 0, "90");
}

int main(int argc, char **argv) {
    if (argc != 4) {
        fprintf(stderr, "uso: host_c amostra-102|amostra-98|vazia|avisos SAIDA ENTRADA\n");
        return 2;
    }
    const char *modo = argv[1], *saida = argv[2], *entrada = argv[3];
    DefineTratadorMensagem(mostra);
    espera(Info_Versao(), 101, "Info_Versao");
    espera(Inicia_NF_Paulista(saida, entrada), 0, "Inicia_NF_Paulista");
    if (strcmp(modo, "amostra-102") == 0) amostra102();
    else if (strcmp(modo, "amostra-98") == 0) amostra98();
    else if (strcmp(modo, "avisos") == 0) {
        /* Leave all three files, then start again over them. */
        amostra98();
        espera(Registro90_CAT9807(), -1, "second 90");
        Finaliza_NF_Paulista();
        espera(Inicia_NF_Paulista(saida, entrada), 0, "second start");
        const char *esperado =
            "\r\n\r\n\tObserva\xE7\xE3o do Registro:\r\n"
            "\t  \tO arquivo VIZorudude.txt previamente existente foi substitu\xED" "do pelo novo arquivo gerado.\r\n"
            "\t  \tO arquivo de erro_VIZorudude.txt previamente existente foi substitu\xED" "do pelo novo arquivo gerado.\r\n"
            "\t  \tO arquivo de log_VIZorudude.txt previamente existente foi substitu\xED" "do pelo novo arquivo gerado.\r\n";
        long n = 0;
        char *erro = le(saida, "erro_VIZorudude.txt", &n);
        if (!erro || n != (long)strlen(esperado) || memcmp(erro, esperado, (size_t)n) != 0) {
            fprintf(stderr, "the notices block differs\n");
            falhas++;
        }
        free(erro);
        char *velho = le(saida, "VIZorudude.txt", &n);
        if (velho) {
            fprintf(stderr, "the old output file is still there\n");
            falhas++;
        }
        free(velho);
    } else if (strcmp(modo, "vazia") != 0) {
        fprintf(stderr, "modo desconhecido: %s\n", modo);
        return 2;
    }
    Finaliza_NF_Paulista();
    if (strcmp(modo, "vazia") == 0)
        espera(Registro10_CAT10207("1,00", CNPJ, "10/10/2007", "17/10/2007"), -1, "record after the end");
    if (falhas) fprintf(stderr, "%d falha(s)\n", falhas);
    return falhas ? 1 : 0;
}
